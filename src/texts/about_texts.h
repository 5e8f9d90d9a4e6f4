#pragma once

#include <string>
#include <vector>

namespace tubeline {

// What the About window and the page's About panel say, a paragraph each: what the program does,
// its version, its licence, where its data come from and under which licences, and where its
// validation is.
struct AboutTexts {
    std::string Description;
    std::string Version;
    std::string Licence;
    std::string DataSources;
    std::string Validation;
};
AboutTexts AboutTextsNow();

// The same in that order.
std::vector<std::string> AboutParagraphs();

}  // namespace tubeline
