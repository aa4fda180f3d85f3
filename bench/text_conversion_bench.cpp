// The four conversions over names and biographies as the editor converts them (one field at a time,
// each into a string of its own), beside glibc's iconv doing the same conversion on the same text into
// a buffer it reuses. In every round each side converts the whole corpus once, the two taking turns
// (the order reversed each round); the figure is iconv's median time divided by ours.
//
// Usage: bench_text_conversion [--rounds N]

#include <iconv.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/roster.h"
#include "core/text/gb_big5.h"
#include "core/text/gbk_sjis.h"
#include "figures.h"

namespace {

using namespace busho;

const std::filesystem::path kBin = BUSHO_BIN_DIR;

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv_open ") + from + " -> " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    // Converts the whole text; false when iconv refuses a character.
    bool Convert(const std::string& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = out.data();
        std::size_t dstLeft = out.size();
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
        out.resize(out.size() - dstLeft);
        return true;
    }

private:
    iconv_t cd_;
};

// Names from the shipped roster and biographies made from them, GBK.
std::vector<std::string> GbkCorpus() {
    const auto names = LoadBuiltInNames(kBin);
    // Phrases in GBK: "，战国时代的武将。", "以勇猛闻名于世，", "历经大小合战数十次，", "晚年出家隐居。"
    const std::string phrases[] = {
        "\xa3\xac\xd5\xbd\xb9\xfa\xca\xb1\xb4\xfa\xb5\xc4\xce\xe4\xbd\xab\xa1\xa3",
        "\xd2\xd4\xd3\xc2\xc3\xcd\xce\xc5\xc3\xfb\xd3\xda\xca\xc0\xa3\xac",
        "\xc0\xfa\xbe\xad\xb4\xf3\xd0\xa1\xba\xcf\xd5\xbd\xca\xfd\xca\xae\xb4\xce\xa3\xac",
        "\xcd\xed\xc4\xea\xb3\xf6\xbc\xd2\xd2\xfe\xbe\xd3\xa1\xa3",
    };
    std::vector<std::string> corpus;
    for (std::size_t i = 0; i < names.size(); ++i) {
        corpus.push_back(names[i]);
        std::string biography = names[i] + phrases[0] + phrases[1 + i % 3] + phrases[1 + (i + 1) % 3] + phrases[3];
        corpus.push_back(biography.substr(0, 153));
    }
    return corpus;
}

// Keeps only the characters that iconv converts, so both sides convert the same, complete text.
std::vector<std::string> ConvertibleBy(Iconv& converter, const std::vector<std::string>& corpus) {
    std::vector<std::string> kept;
    std::string scratch;
    for (const auto& text : corpus) {
        std::string ok;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t width = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
            const std::string ch = text.substr(i, width);
            if (converter.Convert(ch, scratch)) ok += ch;
            i += width;
        }
        kept.push_back(ok);
    }
    return kept;
}

struct Corpora {
    std::vector<std::string> gbForBig5, big5, gbkForSjis, sjis;
    GbBig5Tables gbBig5;
    GbkSjisTables gbkSjis;
    std::size_t Bytes(const std::vector<std::string>& texts) const {
        std::size_t n = 0;
        for (const auto& t : texts) n += t.size();
        return n;
    }
};

Corpora& Data() {
    static Corpora* data = [] {
        auto* d = new Corpora;
        if (!LoadGbBig5Tables(d->gbBig5, kBin) || !LoadGbkJisTables(d->gbkSjis, kBin))
            throw std::runtime_error("code tables missing in " + kBin.string());
        const auto corpus = GbkCorpus();
        Iconv toBig5("BIG5", "GBK"), toSjis("CP932", "GBK");
        d->gbForBig5 = ConvertibleBy(toBig5, corpus);
        d->gbkForSjis = ConvertibleBy(toSjis, corpus);
        std::string out;
        for (const auto& t : d->gbForBig5) {
            toBig5.Convert(t, out);
            d->big5.push_back(out);
        }
        for (const auto& t : d->gbkForSjis) {
            toSjis.Convert(t, out);
            d->sjis.push_back(out);
        }
        return d;
    }();
    return *data;
}

constexpr double kGoal = 1.5;  // iconv's time / ours

template <class Work>
double TimeMs(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <class Convert>
void Compare(const char* name, const std::vector<std::string>& texts, Convert ours, const char* to, const char* from, int rounds) {
    Iconv converter(to, from);
    std::string out;
    std::size_t sink = 0;
    auto runOurs = [&] {
        for (const auto& t : texts) sink += ours(t).size();
    };
    auto runIconv = [&] {
        for (const auto& t : texts) {
            converter.Convert(t, out);
            sink += out.size();
        }
    };
    std::vector<double> oursMs, iconvMs;
    runOurs();  // unmeasured: tables and corpus into the caches
    runIconv();
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) {
            iconvMs.push_back(TimeMs(runIconv));
            oursMs.push_back(TimeMs(runOurs));
        } else {
            oursMs.push_back(TimeMs(runOurs));
            iconvMs.push_back(TimeMs(runIconv));
        }
    }
    const double mine = bench::Median(oursMs), theirs = bench::Median(iconvMs);
    const double kib = static_cast<double>(Data().Bytes(texts)) / 1024.0;
    bench::PrintFigure(std::string(name) + bench::Format(" over %.0f KiB of names and biographies", kib),
                       bench::Format("%.2fx (iconv %.3f / ours %.3f ms)", theirs / mine, theirs, mine),
                       bench::Format(">= %.1fx", kGoal), theirs / mine >= kGoal);
    if (sink == 0) std::printf("  (nothing converted)\n");
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 300;
    for (int a = 1; a + 1 < argc; ++a)
        if (std::strcmp(argv[a], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[a + 1]));
    try {
        Corpora& d = Data();
        std::printf("Conversions one field at a time, against iconv on the same fields, %d rounds in turn\n", rounds);
        Compare("GbToBig5", d.gbForBig5, [&d](const std::string& t) { return GbToBig5(d.gbBig5, t); }, "BIG5", "GBK", rounds);
        Compare("Big5ToGb", d.big5, [&d](const std::string& t) { return Big5ToGb(d.gbBig5, t); }, "GBK", "BIG5", rounds);
        Compare("GbkToSjis", d.gbkForSjis, [&d](const std::string& t) { return GbkToSjis(d.gbkSjis, t); }, "CP932", "GBK", rounds);
        Compare("SjisToGbk", d.sjis, [&d](const std::string& t) { return SjisToGbk(d.gbkSjis, t); }, "GBK", "CP932", rounds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_text_conversion: %s\n", e.what());
        return 1;
    }
    return 0;
}
