#include "geometry_form.h"

#include "ui/form_widgets.h"
#include "ui/twips.h"

namespace tubeline {

GeometryForm::GeometryForm()
    : label1_(QStringLiteral("計算点 模式図"), this),
      picture1_(this),
      command1_(QStringLiteral("Close"), this) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral(" Geometry"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(8100), Pixels(8655));
    label1_.setFont(InterfaceFont(12));
    PlaceLabel(label1_, "Label1", 480, 120);
    Place(picture1_, "Picture1", {525, 540, 7050, 7050});
    Place(command1_, "Command1", {3263, 7800, 1575, 495});
    connect(&command1_, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace tubeline
