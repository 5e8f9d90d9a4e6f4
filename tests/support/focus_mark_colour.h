#pragma once

#include <QColor>

namespace tubeline::testing {

// The colour FocusMarkStyle draws its focus mark in, which src/ui keeps to itself.
inline const QColor kFocusMarkColour(0x1e, 0x5a, 0xc8);

}  // namespace tubeline::testing
