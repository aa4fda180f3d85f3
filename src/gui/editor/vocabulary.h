#pragma once
// The fixed item lists of the editor's choice lists, in the order of the values they store, in the
// interface language (the castles as the game names them).

#include <QStringList>

namespace busho::vocabulary {

QStringList Genders();      // cSB
QStringList Origins();      // cCZ
QStringList Faiths();       // cXY
QStringList Statuses();     // cZT
QStringList Appearances();  // cCCDC
QStringList Ranks();        // each SkillList
QStringList Castles();      // cSS: 180 items, separators included
QStringList AptitudeLabels();  // the nine aptitude lists
QStringList TacticNames();     // the thirty tactic boxes
QStringList VoiceLabels();     // the six voice options

}  // namespace busho::vocabulary
