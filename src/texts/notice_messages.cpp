#include "notice_messages.h"

#include "translation.h"

namespace tubeline {
std::string NoticeMessage(Notice notice) {
    switch (notice) {
        case Notice::NoMaterialChosen:
            return Tr("Messages", "フィルター材質が未選択です。");
        case Notice::NoFileName:
            return Tr("Messages", "ファイル名を入力して下さい");
        case Notice::BeamQualityTableCopied:
            return Tr("Messages", "表をタブ区切りでクリップボードにコピーしました");
        case Notice::FiltersLocked:
            break;
    }
    return Tr("Messages",
              "計算した条件にはフィルターを追加できません。「リセット」してから設定して下さい");
}

}  // namespace tubeline
