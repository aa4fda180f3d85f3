#pragma once
// The fixed item lists of the editor's choice lists (UTF-8), in the order of the values they store.
// The windows and the command-line tool both read them from here.

#include <string>
#include <vector>

namespace busho::vocabulary_text {

const std::vector<std::string>& Genders();         // cSB
const std::vector<std::string>& Origins();         // cCZ
const std::vector<std::string>& Faiths();          // cXY
const std::vector<std::string>& Statuses();        // cZT
const std::vector<std::string>& Appearances();     // cCCDC
const std::vector<std::string>& Ranks();           // each SkillList: Ｄ Ｃ Ｂ Ａ Ｓ
const std::vector<std::string>& Castles();         // cSS: 180 items, separators included
const std::vector<std::string>& AptitudeLabels();  // the nine aptitude lists
const std::vector<std::string>& TacticNames();     // the thirty tactic boxes
const std::vector<std::string>& VoiceLabels();     // the six voice options

}  // namespace busho::vocabulary_text
