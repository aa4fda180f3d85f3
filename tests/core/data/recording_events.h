#pragma once
// Records what loading and saving tell the windows while they work (their notices), instead of showing it.

#include <string>
#include <vector>

#include "core/data/officer_file.h"

namespace busho::testing {

class RecordingEvents : public FileEvents {
public:
    void ClearRows() override { log.push_back("clear"); }
    void RowRead(int slot) override { rows.push_back(slot); }
    void SetCaption(const std::string& gbk) override { captions.push_back(gbk); }
    void LoadFinished() override { log.push_back("finished"); }
    void Notify(const Message& message) override { messages.push_back(message); }

    std::vector<std::string> log;
    std::vector<int> rows;
    std::vector<std::string> captions;
    std::vector<Message> messages;
};

}  // namespace busho::testing
