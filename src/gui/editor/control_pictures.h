#pragma once
// Pictures of our own for the tactic boxes and the voice options: a coloured badge with the label,
// drawn smaller where a label is long.

#include <QPixmap>
#include <QString>

namespace busho {

// The tactic groups (足轻, 骑马, 弓, 铁炮, 计略) each have their colour.
QPixmap TacticPicture(int tactic, const QString& label);
QPixmap VoicePicture(int voiceType, const QString& label);
// The random officer button: two dice and its caption ("随机武将").
QPixmap RandomOfficerPicture(const QString& label);

}  // namespace busho
