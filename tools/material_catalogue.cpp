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

// A body tissue of ICRU Report 44 (Tissue Substitutes in Radiation Dosimetry and Measurement,
// 1989) with the density and composition by mass that J. H. Hubbell and S. M. Seltzer list for
// it in NIST Standard Reference Database 126, table 2. xraylib's list of NIST compounds has
// only the ICRP versions of these tissues.
Material Icru44Tissue(const char* fileName, const char* name, double density,
                      std::vector<Constituent> constituents) {
    return {fileName, name, density, std::move(constituents), ""};
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
        Element(40, "Zr"),
        Element(41, "Nb"),
        Element(42, "Mo"),
        Element(45, "Rh"),
        Element(47, "Ag"),
        Element(50, "Sn"),
        Element(64, "Gd"),
        Element(68, "Er"),
        Element(73, "Ta"),
        Element(74, "W"),
        Element(82, "Pb"),
        Compound("Air.mix", "空気", "Air, Dry (near sea level)"),
        Compound("Water.mix", "水", "Water, Liquid"),
        Compound("PMMA.mix", "PMMA", "Polymethyl Methacralate (Lucite, Perspex)"),
        Compound("Polyethylene.mix", "PE", "Polyethylene"),
        Compound("PET.mix", "PET", "Polyethylene Terephthalate (Mylar)"),
        Compound("Kapton.mix", "Kapton", "Kapton Polyimide Film"),
        Compound("SoftTissue.mix", "軟部組織", "Tissue, Soft (ICRU four-component)"),
        Icru44Tissue("AdiposeTissue.mix", "脂肪組織", 0.95,
                     {{1, 0.114},
                      {6, 0.598},
                      {7, 0.007},
                      {8, 0.278},
                      {11, 0.001},
                      {16, 0.001},
                      {17, 0.001}}),
        Icru44Tissue("SkeletalMuscle.mix", "骨格筋", 1.05,
                     {{1, 0.102},
                      {6, 0.143},
                      {7, 0.034},
                      {8, 0.710},
                      {11, 0.001},
                      {15, 0.002},
                      {16, 0.003},
                      {17, 0.001},
                      {19, 0.004}}),
        Icru44Tissue("BreastTissue.mix", "乳房組織", 1.02,
                     {{1, 0.106},
                      {6, 0.332},
                      {7, 0.030},
                      {8, 0.527},
                      {11, 0.001},
                      {15, 0.001},
                      {16, 0.002},
                      {17, 0.001}}),
        Compound("CorticalBone.mix", "皮質骨", "Bone, Cortical (ICRP)"),
        Compound("Gd2O2S.mix", "Gd2O2S", "Gadolinium Oxysulfide"),
        Compound("CsI.mix", "CsI", "Cesium Iodide"),
    };
}

}  // namespace tubeline::tools
