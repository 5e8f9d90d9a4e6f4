#pragma once

#include <span>
#include <string_view>

namespace tubeline {

// One text of the program and its English, as translations/tubeline_en.ts pairs them.
struct CatalogueEntry {
    std::string_view Context;
    std::string_view Source;  // Japanese, as written in the sources
    std::string_view Translation;
};

// Every finished entry of the English catalogue, sorted by context and source. Generated at
// build time from the same file Qt's catalogue is compiled from, so that the programs without
// Qt speak the windows' English.
std::span<const CatalogueEntry> EnglishCatalogue();

}  // namespace tubeline
