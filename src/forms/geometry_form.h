#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "geometry_schematic.h"
#include "ui/secondary_window.h"

namespace tubeline {

// Form4: the schematic of the calculation points; "Close" hides it.
class GeometryForm : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(GeometryForm)

  public:
    GeometryForm();

  private:
    QLabel heading_;               // Label1
    GeometrySchematic schematic_;  // Picture1
    QPushButton closeButton_;      // Command1
};

}  // namespace tubeline
