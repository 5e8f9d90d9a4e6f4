#include "material_composition.h"

#include <xraylib.h>

#include <memory>

#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

// xraylib's compoundData and compoundDataNIST hold the composition in the same fields.
template <class CompoundData>
std::vector<Constituent> ConstituentsOf(const CompoundData& data) {
    std::vector<Constituent> constituents;
    for (int i = 0; i < data.nElements; ++i) {
        constituents.push_back({data.Elements[i], data.massFractions[i]});
    }
    return constituents;
}

}  // namespace

Composition NistCompoundComposition(const std::string& name) {
    xrl_error* error = nullptr;
    const std::unique_ptr<compoundDataNIST, void (*)(compoundDataNIST*)> data(
        GetCompoundDataNISTByName(name.c_str(), &error), FreeCompoundDataNIST);
    ThrowIfFailed(error);
    return {data->density, ConstituentsOf(*data)};
}

std::vector<Constituent> FormulaConstituents(const std::string& formula) {
    xrl_error* error = nullptr;
    const std::unique_ptr<compoundData, void (*)(compoundData*)> data(
        CompoundParser(formula.c_str(), &error), FreeCompoundData);
    ThrowIfFailed(error);
    return ConstituentsOf(*data);
}

std::vector<std::string> NistCompoundNames() {
    xrl_error* error = nullptr;
    int count = 0;
    char** const list = GetCompoundDataNISTList(&count, &error);
    ThrowIfFailed(error);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.emplace_back(list[i]);
        xrlFree(list[i]);
    }
    xrlFree(list);
    return names;
}

}  // namespace tubeline::tools
