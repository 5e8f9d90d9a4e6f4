#pragma once

#include <string>

namespace tubeline {

// Messages of the windows that carry no values.
enum class Notice {
    NoMaterialChosen,  // the filter dialog's OK without a file chosen
    NoFileName,        // the data export's OK with an empty name
    FiltersLocked,     // a filter added after a run, before "リセット"
    BeamQualityTableCopied,
};
std::string NoticeMessage(Notice notice);

}  // namespace tubeline
