#pragma once

#include <QPixmap>
#include <QString>

namespace tubeline {

// 32 x 32 icons drawn in the 16-colour palette.
// A green exit sign with the word in white (出口 in Japanese) and a white arrow pointing up and
// left.
QPixmap ExitSignIcon(const QString& word);
// A small X-ray tube sending out its beam.
QPixmap TubeIcon();

}  // namespace tubeline
