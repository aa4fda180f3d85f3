// The four conversions over names and biographies as the editor converts them (one field at a
// time), side by side with glibc's iconv doing the same conversion on the same text in the same run.

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/roster.h"
#include "core/text/gb_big5.h"
#include "core/text/gbk_sjis.h"

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

template <class Convert>
void RunOurs(benchmark::State& state, const std::vector<std::string>& texts, Convert convert) {
    for (auto _ : state)
        for (const auto& t : texts) benchmark::DoNotOptimize(convert(t));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Data().Bytes(texts)));
}

void RunIconv(benchmark::State& state, const std::vector<std::string>& texts, const char* to, const char* from) {
    Iconv converter(to, from);
    std::string out;
    for (auto _ : state)
        for (const auto& t : texts) {
            converter.Convert(t, out);
            benchmark::DoNotOptimize(out.data());
        }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Data().Bytes(texts)));
}

void BM_GbToBig5(benchmark::State& s) { RunOurs(s, Data().gbForBig5, [](const std::string& t) { return GbToBig5(Data().gbBig5, t); }); }
void BM_GbToBig5_iconv(benchmark::State& s) { RunIconv(s, Data().gbForBig5, "BIG5", "GBK"); }
void BM_Big5ToGb(benchmark::State& s) { RunOurs(s, Data().big5, [](const std::string& t) { return Big5ToGb(Data().gbBig5, t); }); }
void BM_Big5ToGb_iconv(benchmark::State& s) { RunIconv(s, Data().big5, "GBK", "BIG5"); }
void BM_GbkToSjis(benchmark::State& s) { RunOurs(s, Data().gbkForSjis, [](const std::string& t) { return GbkToSjis(Data().gbkSjis, t); }); }
void BM_GbkToSjis_iconv(benchmark::State& s) { RunIconv(s, Data().gbkForSjis, "CP932", "GBK"); }
void BM_SjisToGbk(benchmark::State& s) { RunOurs(s, Data().sjis, [](const std::string& t) { return SjisToGbk(Data().gbkSjis, t); }); }
void BM_SjisToGbk_iconv(benchmark::State& s) { RunIconv(s, Data().sjis, "GBK", "CP932"); }

BENCHMARK(BM_GbToBig5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GbToBig5_iconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Big5ToGb)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Big5ToGb_iconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GbkToSjis)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GbkToSjis_iconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SjisToGbk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SjisToGbk_iconv)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
