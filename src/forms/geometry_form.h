#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "geometry_schematic.h"
#include "ui/secondary_window.h"

namespace tubeline {

// The geometry view: the schematic of the calculation points; "Close" hides it.
class GeometryForm : public SecondaryWindow {
    Q_DECLARE_TR_FUNCTIONS(GeometryForm)

  public:
    GeometryForm();

  private:
    QLabel heading_;
    GeometrySchematic schematic_;
    QPushButton closeButton_;
};

}  // namespace tubeline
