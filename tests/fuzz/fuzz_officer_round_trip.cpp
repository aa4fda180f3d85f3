// parse -> save -> parse of the officer file: whatever a file that loads holds, the saved image loads
// again with the same officers, and saving that gives the same bytes.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "core/data/officer_file.h"

namespace {

// The sessions are large: they are made once and the slots an input used are cleared after it, so
// that each input starts from empty tables without allocating them anew.
struct Tables {
    busho::Session session, again;
    Tables() {
        for (busho::Session* s : {&session, &again}) {
            for (std::size_t i = 0; i < s->BlankSlot.size(); ++i) s->BlankSlot[i] = static_cast<std::uint8_t>(i);
            // A blank slot is an end marker: its BirthYear (offset 257) is 0.
            for (std::size_t i = 257; i < 261; ++i) s->BlankSlot[i] = 0;
            s->BlankSlotLoaded = true;
        }
    }
    void Clear(int upTo) {
        for (int slot = 1; slot <= upTo && slot <= busho::kSlotCount; ++slot) {
            session.Officers[slot] = {};
            again.Officers[slot] = {};
        }
    }
};

void Take(busho::Session& session, const busho::OfficerFileContents& contents) {
    session.Header = contents.Header;
    session.EndSlot = contents.EndSlot;
    for (int slot = 1; slot <= contents.EndSlot && slot <= busho::kSlotCount; ++slot) session.Officers[slot] = contents.Officers[slot];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Tables& t = *new Tables;
    // A parse writes no slot beyond the records the input can hold; the saved image ends where the
    // first parse ended.
    t.Clear(static_cast<int>(size / busho::kRecordSize) + 2);
    const auto first = busho::ParseOfficerFile(std::span<const std::uint8_t>(data, size));
    if (!first) return 0;

    Take(t.session, first.value());
    const auto saved = busho::SerializeOfficerFile(t.session);
    const auto second = busho::ParseOfficerFile(saved);
    if (!second) std::abort();  // what we write must load
    if (second->EndSlot != first->EndSlot) std::abort();
    // Every officer comes back as saved (the session holds the written signature, words and id).
    for (int slot = 1; slot < first->EndSlot; ++slot)
        if (!(second->Officers[slot] == t.session.Officers[slot])) std::abort();

    Take(t.again, second.value());
    if (busho::SerializeOfficerFile(t.again) != saved) std::abort();
    return 0;
}
