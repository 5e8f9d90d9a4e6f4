#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>
#include <variant>

#include "model/attenuation_table_file.h"
#include "model/beam_quality_figures.h"
#include "model/beam_request.h"
#include "model/match_request.h"
#include "peer_figures.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

using testing::DataFolder;
using testing::PeerRows;
using testing::ScratchFolder;
using testing::ShippedAttenuation;

// A beam of the peer's table as a request of the physics model: the beryllium and the air as
// filters of their material files, the aluminium and copper as the added filters, no inherent
// filtration.
BeamRequest RequestOf(const std::map<std::string, double>& row) {
    BeamRequest request;
    request.Model = SpectrumModel::Physics;
    request.Conditions = ConditionValues{row.at("kv"), row.at("target_angle_deg"), 0,
                                         row.at("al_mm"), row.at("cu_mm")};
    if (row.at("be_mm") > 0) {
        request.Filters.push_back({DataFolder() / "Be.ele", row.at("be_mm")});
    }
    if (row.at("air_mm") > 0) {
        request.Filters.push_back({DataFolder() / "Air.mix", row.at("air_mm")});
    }
    return request;
}

AngleFigures FiguresOf(const BeamRequest& request, const AttenuationTable& attenuation) {
    const BeamRun run = RunBeam(request, attenuation);
    const auto* computed = std::get_if<ComputedBeam>(&run.Outcome);
    EXPECT_TRUE(computed);
    return computed ? ComputeAngleFigures(*computed->Run.Spectra, attenuation) : AngleFigures{};
}

// The whole model, through the pipeline every model shares, against the peer's figures of beams
// from 80 to 150 kV, lightly and heavily filtered, on the central ray and 8 degrees to either
// side of it: HVL1 and the mean energy within 2 %, the air kerma per mAs at 1 m within 5 %.
TEST(PhysicsModel, BeamsComeOutAsThePeerComputesThem) {
    int compared = 0;
    for (const auto& row : PeerRows("physics-peer-beams.tsv")) {
        const double emission = row.at("emission_angle_deg");
        const bool chosen = (row.at("kv") == 80 && row.at("target_angle_deg") == 20) ||
                            (row.at("kv") == 150 && row.at("cu_mm") == 1) || emission != 0;
        if (!chosen) {
            continue;
        }
        SCOPED_TRACE(::testing::Message() << row.at("kv") << " kV, " << emission << " degrees");
        const int angle = kCentralAngleIndex + static_cast<int>(emission / kAngleStepDegrees);
        const auto figures = FiguresOf(RequestOf(row), ShippedAttenuation())[angle];
        ASSERT_TRUE(figures && figures->HalfValueLayerMm && figures->AirKermaPerMasAt1mMicrogray);
        // Off the central ray the peer crosses its aluminium obliquely.
        const double oblique = std::cos(emission * std::numbers::pi / 180);
        EXPECT_NEAR(*figures->HalfValueLayerMm * oblique / row.at("hvl1_mm_al"), 1, 0.02);
        EXPECT_NEAR(figures->MeanEnergyKeV / row.at("mean_energy_kev"), 1, 0.02);
        EXPECT_NEAR(*figures->AirKermaPerMasAt1mMicrogray / row.at("air_kerma_ugy_per_mas"), 1,
                    0.05);
        ++compared;
    }
    EXPECT_EQ(compared, 5);
}

// The heel effect across the eleven angles: from the beam centre towards the anode the rays
// leave the target at ever smaller angles, so the beam gets weaker and harder; each angle on the
// cathode side is stronger and softer than its mirror on the anode side.
TEST(PhysicsModel, TheAnodeSideIsWeakerAndHarder) {
    BeamRequest request;
    request.Model = SpectrumModel::Physics;
    request.Conditions = ConditionValues{80, 12, 2.5, 0, 0};
    const AngleFigures figures = FiguresOf(request, ShippedAttenuation());
    for (int a = 1; a <= kAngleCount; ++a) {
        ASSERT_TRUE(figures[a] && figures[a]->HalfValueLayerMm &&
                    figures[a]->AirKermaPerMasAt1mMicrogray)
            << a;
    }
    const auto kerma = [&](int a) { return *figures[a]->AirKermaPerMasAt1mMicrogray; };
    const auto layer = [&](int a) { return *figures[a]->HalfValueLayerMm; };
    for (int a = kCentralAngleIndex + 1; a <= kAngleCount; ++a) {
        EXPECT_LT(kerma(a), kerma(a - 1)) << a;
        EXPECT_GT(layer(a), layer(a - 1)) << a;
        const int mirror = 2 * kCentralAngleIndex - a;
        EXPECT_GT(kerma(mirror), kerma(a)) << a;
        EXPECT_LT(layer(mirror), layer(a)) << a;
    }
}

// Without its two files in the data folder the physics model refuses, naming the file, and the
// match refuses as well; Tucker's and Birch's models run as ever. A damaged lines file is
// refused as itself.
TEST(PhysicsModel, RefusesWithoutItsDataWhileTheOthersRun) {
    const ScratchFolder folder;
    std::filesystem::copy_file(DataFolder() / kAttenuationTableFileName,
                               folder / std::string(kAttenuationTableFileName));
    const AttenuationTable attenuation =
        LoadAttenuationTable(folder / std::string(kAttenuationTableFileName));
    BeamRequest request;
    request.Model = SpectrumModel::Physics;
    const BeamRun refused = RunBeam(request, attenuation);
    const auto* refusal = std::get_if<BeamRefusal>(&refused.Outcome);
    ASSERT_TRUE(refusal && std::holds_alternative<ModelDataRefusal>(*refusal));
    const auto& problem =
        std::get<TungstenTargetProblem>(std::get<ModelDataRefusal>(*refusal).Problem);
    EXPECT_EQ(problem.File, (folder / std::string(kTungstenTargetFileName)).string());
    EXPECT_EQ(std::get<FileProblem>(problem.Cause).ErrorNumber, ENOENT);

    const PreparedBeam beam = std::get<PreparedBeam>(PrepareBeam(request).Outcome);
    const auto match =
        MatchVariedFilter({beam.Conditions, attenuation, beam.Filters}, 3, AddedFilter::Aluminium);
    const auto& found = std::get<VariedFilterMatch>(match).Found;
    ASSERT_TRUE(std::holds_alternative<HalfValueLayerMatchRefused>(found));
    EXPECT_TRUE(std::holds_alternative<ModelDataRefusal>(
        std::get<HalfValueLayerMatchRefused>(found).Cause));

    for (const SpectrumModel model : {SpectrumModel::Tucker, SpectrumModel::Birch}) {
        request.Model = model;
        EXPECT_TRUE(std::holds_alternative<ComputedBeam>(RunBeam(request, attenuation).Outcome));
    }

    std::filesystem::copy_file(DataFolder() / kTungstenTargetFileName,
                               folder / std::string(kTungstenTargetFileName));
    testing::WriteBytes(folder / std::string(kTungstenLinesFileName), "K,KL3,59.3\n");
    request.Model = SpectrumModel::Physics;
    const BeamRun damaged =
        RunBeam(request, LoadAttenuationTable(folder / std::string(kAttenuationTableFileName)));
    const auto& lines = std::get<TungstenLinesProblem>(
        std::get<ModelDataRefusal>(std::get<BeamRefusal>(damaged.Outcome)).Problem);
    EXPECT_TRUE(std::holds_alternative<TungstenLinesProblem::EndsEarly>(lines.Cause));
}

}  // namespace
}  // namespace tubeline
