#pragma once
// The real file access with a log of every durable step and one step made to fail: its occurrences
// from `first` on, `times` of them (0: for ever). A failing write or copy leaves part of its bytes
// behind, as a full disk would.

#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/os/file_access.h"
#include "officer_fixtures.h"

namespace busho::testing {

enum class Step { Open, Write, Flush, Close, Rename, BackupCopy, FolderFlush };

inline const char* StepName(Step step) {
    switch (step) {
        case Step::Open: return "open";
        case Step::Write: return "write";
        case Step::Flush: return "flush";
        case Step::Close: return "close";
        case Step::Rename: return "rename";
        case Step::BackupCopy: return "copy";
        case Step::FolderFlush: return "flush folder";
    }
    return "";
}

class FaultyFiles : public FileAccess {
public:
    FaultyFiles() = default;
    FaultyFiles(Step step, int first, int times) : failing_(step), first_(first), times_(times), armed_(true) {}

    std::vector<std::string> log;

protected:
    std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& pending) override {
        if (Fails(Step::Open, pending.filename().string())) return nullptr;
        auto real = FileAccess::OpenSink(pending);
        if (!real) return nullptr;
        return std::make_unique<Sink>(*this, std::move(real));
    }
    Status CopyToPending(const std::filesystem::path& from, const std::filesystem::path& pending) override {
        if (Fails(Step::BackupCopy, pending.filename().string())) {
            WriteBytes(pending, {1, 2, 3});
            return TextId::kReasonCannotCopy;
        }
        return FileAccess::CopyToPending(from, pending);
    }
    std::error_code Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (Fails(Step::Rename, from.filename().string())) return std::make_error_code(std::errc::io_error);
        return FileAccess::Rename(from, to);
    }
    bool FlushFolder(const std::filesystem::path& folder) override {
        if (Fails(Step::FolderFlush, {})) return false;
        return FileAccess::FlushFolder(folder);
    }

private:
    class Sink : public ByteSink {
    public:
        Sink(FaultyFiles& files, std::unique_ptr<ByteSink> real) : files_(files), real_(std::move(real)) {}
        bool Write(std::span<const std::uint8_t> bytes) override {
            if (files_.Fails(Step::Write, {})) {
                real_->Write(bytes.first(bytes.size() / 2));
                return false;
            }
            return real_->Write(bytes);
        }
        bool Flush() override { return !files_.Fails(Step::Flush, {}) && real_->Flush(); }
        bool Close() override {
            const bool closed = real_->Close();
            return !files_.Fails(Step::Close, {}) && closed;
        }

    private:
        FaultyFiles& files_;
        std::unique_ptr<ByteSink> real_;
    };

    bool Fails(Step step, const std::string& name) {
        log.push_back(name.empty() ? StepName(step) : std::string(StepName(step)) + " " + name);
        if (!armed_ || step != failing_) return false;
        const int occurrence = ++seen_;
        return occurrence >= first_ && (times_ == 0 || occurrence < first_ + times_);
    }

    Step failing_ = Step::Open;
    int first_ = 0;
    int times_ = 0;
    bool armed_ = false;
    int seen_ = 0;
};

}  // namespace busho::testing
