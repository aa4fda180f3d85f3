// The spreadsheet and JSON import on any text: the table reader, then the rows applied to a loaded
// officer file as `busho import` does.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/data/officer_file.h"
#include "core/exchange/officer_rows.h"
#include "core/text/code_page.h"
#include "core/exchange/table_io.h"

namespace {

// Three officers and an end marker, made once.
const std::vector<std::uint8_t>& OfficerImage() {
    static const std::vector<std::uint8_t> image = [] {
        auto session = std::make_unique<busho::Session>();
        session->EndSlot = 4;
        for (int slot = 1; slot <= 3; ++slot) {
            auto& r = session->Officers[slot].Record;
            r.BirthYear = 1530 + slot;
            r.DeathYear = 1590 + slot;
            r.Father = -1;
            r.Leadership = 60 + slot;
        }
        session->BlankSlotLoaded = true;
        return busho::SerializeOfficerFile(*session);
    }();
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto table = busho::ReadTable(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!table && busho::DescribeGbk(table.problem()).empty()) std::abort();  // a refusal always says why
    if (!table) return 0;
    if (table->rows.size() > busho::kMaxTableRows || table->rows.size() != table->rowNumbers.size()) std::abort();

    auto session = std::make_unique<busho::Session>();
    session->Edition = busho::kEditionTraditionalChinese;
    auto contents = busho::ParseOfficerFile(OfficerImage());
    if (!contents) std::abort();
    session->Officers = contents->Officers;
    session->EndSlot = contents->EndSlot;
    session->FileLoaded = true;
    static const std::vector<std::string> names(busho::kBuiltInOfficerCount);
    const busho::RowText text{[](std::string_view gbk) { return busho::ToUtf8(busho::CodePage::Gbk, gbk); },
                              [](std::string_view utf8) { return busho::FromUtf8(busho::CodePage::Gbk, utf8); }};
    busho::EditHistory history;
    busho::ImportRows(*session, history, table->rows, table->rowNumbers, names, text);
    if (session->EndSlot < 1 || session->EndSlot > busho::kSlotCount) std::abort();
    // Whatever the rows did, undoing the import gives back the table as read.
    history.Undo(*session);
    if (session->EndSlot != contents->EndSlot || !(session->Officers == contents->Officers)) std::abort();
    return 0;
}
