#include "geometry_form.h"

#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {

GeometryForm::GeometryForm()
    : heading_(tr("計算点 模式図"), this), schematic_(this), closeButton_(tr("閉じる"), this) {
    setObjectName(QStringLiteral("GeometryForm"));
    setWindowTitle(tr(" 計算点 模式図"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(8100), Pixels(8655));
    heading_.setFont(InterfaceFont(12));
    PlaceLabel(heading_, "heading", 480, 120);
    Place(schematic_, "schematic", {525, 540, 7050, 7050});
    Place(closeButton_, "closeButton", {3263, 7800, 1575, 495});
    PressOnEnter({&closeButton_});
    SetEscapeButton(closeButton_);
    connect(&closeButton_, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace tubeline
