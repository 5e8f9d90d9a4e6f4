#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/beam_quality_figures.h"
#include "model/beam_request.h"
#include "model/condition_names.h"

namespace tubeline {

// What the page computes: one session per page, holding the attenuation table, the folders of
// the shipped materials and of those the user opened, and the last completed run. Plain C++;
// bindings.cpp hands it to JavaScript.

// Where a refusal belongs on the page: a condition field, a filter row (0-based), the results
// as a whole (a run that gave nothing usable), or the target of a match.
struct PagePlace {
    enum class Kind { Condition, Filter, Results, Target };
    Kind Where = Kind::Results;
    ConditionField Field = ConditionField::TubeVoltage;
    int FilterIndex = 0;
};

struct PageRefusal {
    PagePlace Place;
    std::string Message;
};

// A completed calculation as the page shows it.
struct PageResult {
    std::string HalfValueLayerLine;
    std::string FluencePerExposureLine;
    // Said when the tube voltage was corrected into 30..150 kV.
    std::optional<std::string> TubeVoltageNote;
    // The absolute output's lines, for a model that has one (AbsoluteOutputLines).
    std::vector<std::string> AbsoluteOutputLines;
};

struct PageMaterial {
    std::string File;  // the path to give a filter
    std::string Name;  // as people read it, in the current language
};

// The spectrum export's bytes, or why there are none.
struct PageExport {
    std::string Bytes;
    std::string Problem;
};

class PageSession {
  public:
    // dataFolder holds the attenuation table and the shipped materials; userFolder takes the
    // material files the user opens.
    PageSession(std::filesystem::path dataFolder, std::filesystem::path userFolder);

    std::vector<PageMaterial> ShippedMaterials() const;

    // Keeps a material file the user opened, under its own name, and reads it as a filter
    // would: its path, or the refusal of the filter dialog.
    std::variant<PageMaterial, std::string> OpenMaterialFile(const std::string& fileName,
                                                             const std::string& bytes) const;

    std::variant<PageResult, PageRefusal> Calculate(const BeamRequest& request);

    // Of the last completed run (empty before one): the table file's text, the spectrum export
    // as the desktop writes it (or why it cannot be), and the beam-quality figures.
    const std::string& TableText() const;
    PageExport Export() const;
    AngleFigures Figures() const;
    const SpectrumTable* Spectra() const;

    // The added aluminium or copper (mm, as its field takes it) that gives the beam of
    // `request` the target first half-value layer, as tubeline-calc --match-hvl rounds it.
    std::variant<std::string, PageRefusal> Match(const BeamRequest& request,
                                                 const std::string& targetText, AddedFilter varied);

  private:
    std::filesystem::path dataFolder_;
    std::filesystem::path userFolder_;
    AttenuationTable attenuation_;
    std::optional<ComputedBeam> lastRun_;
};

}  // namespace tubeline
