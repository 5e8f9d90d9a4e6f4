#pragma once

#include <string>
#include <vector>

namespace tubeline {

// What the About window says, a paragraph each: what the program does, its version, its licence,
// where its data come from and under which licences, and where its validation is.
std::vector<std::string> AboutParagraphs();

}  // namespace tubeline
