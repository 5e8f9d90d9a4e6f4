#include "value_messages.h"

#include "base/number_format.h"
#include "base/text_fields.h"
#include "translation.h"

namespace tubeline {
std::string NumberInMessage(int value) {
    return std::to_string(value);
}

std::string NumberInMessage(double value) {
    return FormatGeneral(value);
}

std::string FilterThicknessCaption() {
    return Tr("Messages", "フィルターの厚さ");
}

std::string TargetHalfValueLayerCaption() {
    return Tr("Messages", "目標の半価層");
}

std::string NotANumberMessage(const std::string& caption, std::string_view text) {
    return Substitute(Tr("Messages", "%1の値「%2」は数値ではありません"), {caption, Excerpt(text)});
}

std::string MissingValueMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値を入力して下さい"), {caption});
}

std::string OutOfRangeMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値が数値の範囲を超えています"), {caption});
}

std::string NotPositiveMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値は 0 より大きい数にして下さい"), {caption});
}

std::string NegativeThicknessMessage(const std::string& caption) {
    return Substitute(Tr("Messages", "%1の値が負です。厚さは 0 mm 以上にして下さい"), {caption});
}

}  // namespace tubeline
