#pragma once

#include <QPixmap>

namespace tubeline {

// 32 x 32 icons drawn in the 16-colour palette.
// A green exit sign with the white characters 出口 and a white arrow pointing up and left.
QPixmap ExitSignIcon();
// A small X-ray tube sending out its beam.
QPixmap TubeIcon();

}  // namespace tubeline
