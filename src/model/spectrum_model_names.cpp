#include "spectrum_model_names.h"

#include <algorithm>
#include <cctype>

namespace tubeline {
namespace {

bool SameIgnoringCase(std::string_view text, std::string_view lowercase) {
    return std::equal(text.begin(), text.end(), lowercase.begin(), lowercase.end(),
                      [](unsigned char a, unsigned char b) { return std::tolower(a) == b; });
}

}  // namespace

std::string_view SpectrumModelName(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return "tucker";
        case SpectrumModel::Birch:
            break;
    }
    return "birch";
}

std::optional<SpectrumModel> SpectrumModelNamed(std::string_view name) {
    for (const SpectrumModel model : {SpectrumModel::Tucker, SpectrumModel::Birch}) {
        if (SameIgnoringCase(name, SpectrumModelName(model))) {
            return model;
        }
    }
    return std::nullopt;
}

}  // namespace tubeline
