#include "about_window.h"

#include "texts/about_texts.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {

AboutWindow::AboutWindow()
    : title_(QStringLiteral("Tubeline"), this),
      paragraphs_(this),
      closeButton_(tr("閉じる"), this) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowTitle(tr("このプログラムについて"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(7800), Pixels(6300));
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPointSize(24);
    title.setBold(true);
    title.setItalic(true);
    title_.setFont(title);
    PlaceLabel(title_, "title", 360, 180);
    title_.setStyleSheet(QStringLiteral("color: #000080;"));

    QStringList paragraphs;
    for (const std::string& paragraph : AboutParagraphs()) {
        paragraphs << QString::fromStdString(paragraph);
    }
    paragraphs_.setText(paragraphs.join(QStringLiteral("\n\n")));
    paragraphs_.setWordWrap(true);
    paragraphs_.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The paths can be copied from here.
    paragraphs_.setTextInteractionFlags(Qt::TextSelectableByMouse);
    PlaceLabel(paragraphs_, "paragraphs", 360, 1020, 7080, 4380);
    Place(closeButton_, "closeButton", {3113, 5580, 1575, 495});
    PressOnEnter({&closeButton_});
    SetEscapeButton(closeButton_);
    connect(&closeButton_, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace tubeline
