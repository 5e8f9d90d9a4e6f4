#include "filter_dialog.h"

#include <algorithm>

#include <utility>

#include "model/material_file_reader.h"
#include "texts/material_names.h"
#include "texts/file_messages.h"
#include "texts/notice_messages.h"
#include "ui/form_widgets.h"
#include "ui/keys.h"
#include "ui/twips.h"

namespace tubeline {

FilterDialog::FilterDialog(MainFormLogic& logic, OperatorMessages& messages,
                           std::vector<std::filesystem::path> materialFolders)
    : logic_(logic),
      messages_(messages),
      materialListHeading_(tr("フィルターの種類"), this),
      materialList_(QStringLiteral("*.ele;*.mix"), this),
      materialCaption_(tr("材質"), this),
      materialName_(this),
      thicknessCaption_(tr("厚さ"), this),
      thicknessField_(this),
      thicknessUnit_(QStringLiteral("mm"), this),
      okButton_(QStringLiteral("OK"), this),
      cancelButton_(QStringLiteral("Cancel"), this) {
    setObjectName(QStringLiteral("FilterDialog"));
    setWindowTitle(tr("任意フィルター設定"));
    setFont(InterfaceFont(9));
    setFixedSize(Pixels(6120), Pixels(2640));
    PlaceLabel(materialListHeading_, "materialListHeading", 360, 240, 1935, 240);
    materialListHeading_.setStyleSheet(QStringLiteral("color: #0000ff;"));
    Place(materialList_, "materialList", {120, 600, 2655, 1665});
    PlaceLabel(materialCaption_, "materialCaption", 3000, 720, 495, 240);
    PlaceLabel(materialName_, "materialName", 3600, 720, 2295, 300);
    materialName_.setStyleSheet(QStringLiteral("background: white; border: 1px solid black;"));
    PlaceLabel(thicknessCaption_, "thicknessCaption", 3000, 1200, 495, 240);
    Place(thicknessField_, "thicknessField", {3600, 1200, 1215, 315});
    PlaceLabel(thicknessUnit_, "thicknessUnit", 4920, 1200, 435, 300);
    // Captions longer than the Japanese ones grow to the left, and the list gives way to them.
    GrowCaptionLeftward(materialCaption_);
    GrowCaptionLeftward(thicknessCaption_);
    constexpr int kGap = 4;  // pixels
    const int captionsLeft = std::min(materialCaption_.x(), thicknessCaption_.x());
    materialList_.resize(std::min(materialList_.width(), captionsLeft - kGap - materialList_.x()),
                         materialList_.height());
    Place(okButton_, "okButton", {3360, 1800, 1095, 495});
    Place(cancelButton_, "cancelButton", {4680, 1800, 1095, 495});
    for (QPushButton* button : {&okButton_, &cancelButton_}) {
        PaintLightYellow(*button);
    }
    PressOnEnter({&okButton_, &cancelButton_});
    SetEscapeButton(cancelButton_);

    materialList_.SetFolders(std::move(materialFolders));
    // A click previews the material and moves on to the thickness; choosing with the arrow keys
    // previews it, and Enter then moves on.
    materialList_.OnClick = [this](const std::string& fileName) {
        if (PreviewMaterial(fileName)) {
            thicknessField_.setFocus();
        }
    };
    materialList_.OnSelect = [this](const std::string& fileName) { PreviewMaterial(fileName); };
    // Enter in the thickness moves the focus to OK once something is typed; it does not press it.
    MoveFocusOnEnter(thicknessField_, okButton_,
                     [this] { return !thicknessField_.text().isEmpty(); });
    connect(&okButton_, &QPushButton::clicked, this, [this] { AddFilter(); });
    connect(&cancelButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void FilterDialog::Open() {
    materialList_.Refresh();
    thicknessField_.clear();
    materialName_.clear();
    shownFile_.clear();
    // The highlight and the name agree: the material last chosen, as long as it can be read.
    if (const std::string chosen = materialList_.FileName(); !chosen.empty()) {
        try {
            ShowMaterial(chosen);
        } catch (const MaterialFileError&) {
            materialList_.clearSelection();
        }
    }
    // The arrow keys move on from the highlighted material.
    ShowInFront(&materialList_);
    if (QListWidgetItem* current = materialList_.currentItem()) {
        materialList_.scrollToItem(current);
    }
}

void FilterDialog::ShowMaterial(const std::string& fileName) {
    materialName_.setText(QString::fromStdString(
        MaterialDisplayName(ReadMaterialName(materialList_.PathOf(fileName)))));
    shownFile_ = fileName;
}

bool FilterDialog::PreviewMaterial(const std::string& fileName) {
    try {
        ShowMaterial(fileName);
    } catch (const MaterialFileError& error) {
        materialName_.clear();
        shownFile_.clear();
        messages_.Warning(MaterialFileMessage(error.Problem()));
        return false;
    }
    return true;
}

void FilterDialog::AddFilter() {
    if (shownFile_.empty()) {
        messages_.Warning(NoticeMessage(Notice::NoMaterialChosen));
        return;
    }
    if (const auto refusal = logic_.AddFilter(materialList_.PathOf(shownFile_),
                                              thicknessField_.text().toStdString())) {
        messages_.Warning(*refusal);
        return;
    }
    hide();
}

}  // namespace tubeline
