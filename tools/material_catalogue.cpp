#include "material_catalogue.h"

#include <xraylib.h>

#include <utility>

#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

// Names are kept short: the main window's filter list leaves about nine Latin letters or five
// Japanese characters before the thickness column.
Material Element(int atomicNumber, const char* symbol) {
    const double density = XraylibCall(ElementDensity, atomicNumber);
    return {std::string(symbol) + ".ele", symbol, density, {{atomicNumber, 1.0}}, ""};
}

Material Compound(const char* fileName, const char* name, const char* nistCompound) {
    Composition composition = NistCompoundComposition(nistCompound);
    return {fileName, name, composition.Density, std::move(composition.Constituents), nistCompound};
}

}  // namespace

std::vector<Material> MaterialCatalogue() {
    return {
        Element(4, "Be"),
        Element(6, "C"),
        Element(13, "Al"),
        Element(22, "Ti"),
        Element(26, "Fe"),
        Element(29, "Cu"),
        Element(42, "Mo"),
        Element(45, "Rh"),
        Element(47, "Ag"),
        Element(50, "Sn"),
        Element(64, "Gd"),
        Element(73, "Ta"),
        Element(74, "W"),
        Element(82, "Pb"),
        Compound("Water.mix", "水", "Water, Liquid"),
        Compound("PMMA.mix", "PMMA", "Polymethyl Methacralate (Lucite, Perspex)"),
        Compound("Polyethylene.mix", "PE", "Polyethylene"),
        Compound("SoftTissue.mix", "軟部組織", "Tissue, Soft (ICRU four-component)"),
        Compound("CorticalBone.mix", "皮質骨", "Bone, Cortical (ICRP)"),
        Compound("Gd2O2S.mix", "Gd2O2S", "Gadolinium Oxysulfide"),
        Compound("CsI.mix", "CsI", "Cesium Iodide"),
    };
}

}  // namespace tubeline::tools
