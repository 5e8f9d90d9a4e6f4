#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "geometry_schematic.h"

namespace tubeline {

// Form4: the schematic of the calculation points; "Close" hides it.
class GeometryForm : public QWidget {
  public:
    GeometryForm();

  private:
    QLabel label1_;
    GeometrySchematic picture1_;
    QPushButton command1_;
};

}  // namespace tubeline
