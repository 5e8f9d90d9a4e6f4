#pragma once

#include <cstddef>
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

// Where a refusal belongs on the page: a condition field, the distance or output factor, a filter
// row's material or thickness (the row from 0), the results as a whole (a run that gave nothing
// usable), or the target of a match.
struct PagePlace {
    enum class Kind { Condition, Output, FilterMaterial, FilterThickness, Results, Target };
    Kind Where = Kind::Results;
    ConditionField Field = ConditionField::TubeVoltage;
    int FilterIndex = 0;
    OutputField Output = OutputField::Distance;
};

struct PageRefusal {
    PagePlace Place;
    std::string Message;
};

// A completed calculation's two lines as the page shows them.
struct PageResult {
    std::string HalfValueLayerLine;
    std::string FluencePerExposureLine;
    // The absolute output's lines, for a model that has one (AbsoluteOutputLines).
    std::vector<std::string> AbsoluteOutputLines;
};

// What a calculation gives the page: the result, or every refusal of the fields at once (each
// field, the distance and output factor, and each filter's material and thickness checked on its
// own, in the order tubeline-calc meets them), or the refusal of the beam as a whole.
struct PageCalculation {
    std::variant<PageResult, std::vector<PageRefusal>> Outcome;
    // Said when the tube voltage was corrected into 30..150 kV, refused or not.
    std::optional<std::string> TubeVoltageNote;
};

// A beam as the page compares it with others: its conditions in short, its beam-centre figures
// (the cells of kComparedFigureColumns) and its beam-centre curves on the three axes (photon
// fluence, energy fluence, air kerma; kEnergyBinCount bins each, one after the other), relative
// as the graph draws the run's curves and per unit air kerma (CentralSpectraPerAirKerma; empty
// when the beam has no air kerma).
struct PageComparedBeam {
    std::string Conditions;
    std::vector<std::string> Figures;
    std::vector<double> RelativeCurves;
    std::vector<double> PerAirKermaCurves;
};

// The graph's curves of the angles first..last (AngleIndex), each axis's in turn (photon
// fluence, energy fluence, air kerma), each angle's kEnergyBinCount bins relative to the run's
// peak as the desktop graph draws them.
std::vector<double> RelativeCurves(const SpectrumTable& spectra, int firstAngle, int lastAngle);

// The largest material file the page reads, in bytes. A file of the most rows a material file
// has (120 of six numbers) takes about 7 KiB; one larger than this is plainly not a material file.
inline constexpr std::size_t kMaterialFileByteLimit = 64 * 1024;

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

    // The refusal of a material file larger than kMaterialFileByteLimit, before its bytes are
    // read: the desktop's message of a file too large.
    std::optional<std::string> OversizeMaterialFile(const std::string& fileName,
                                                    std::size_t byteCount) const;

    // Reads a material file the user opened as a filter would and keeps it under its own name:
    // its path, or the refusal of the filter dialog (a file kept before under that name stays).
    std::variant<PageMaterial, std::string> OpenMaterialFile(const std::string& fileName,
                                                             const std::string& bytes) const;

    PageCalculation Calculate(const BeamRequest& request);

    // Of the last completed run (empty before one): the table file's text, the spectrum export
    // as the desktop writes it (or why it cannot be), and the beam-quality figures.
    const std::string& TableText() const;
    PageExport Export() const;
    AngleFigures Figures() const;
    const SpectrumTable* Spectra() const;
    // Why the last run has no absolute output (its model's spectra are relative); nothing for a
    // run that has one, or before a run.
    std::optional<std::string> NoAbsoluteOutputNote() const;

    // A beam computed for comparison, the last run left as it was; or why it cannot be.
    std::variant<PageComparedBeam, std::string> CompareBeam(const BeamRequest& request) const;
    // The last run as a beam compared (nothing before one).
    std::optional<PageComparedBeam> CompareLastRun() const;

    // The added aluminium or copper (mm, as its field takes it) that gives the beam of
    // `request` the target first half-value layer, as tubeline-calc --match-hvl rounds it.
    std::variant<std::string, PageRefusal> Match(const BeamRequest& request,
                                                 const std::string& targetText, AddedFilter varied);

  private:
    std::filesystem::path UserFile(const std::string& fileName) const;

    std::filesystem::path dataFolder_;
    std::filesystem::path userFolder_;
    AttenuationTable attenuation_;
    std::optional<ComputedBeam> lastRun_;
};

}  // namespace tubeline
