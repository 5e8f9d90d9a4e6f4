#include "physics_target_data.h"

#include <cerrno>
#include <utility>

namespace tubeline {

PhysicsTargetData::PhysicsTargetData(std::filesystem::path folder,
                                     const EnergyArray& tungstenAttenuation)
    : folder_(std::move(folder)), tungstenAttenuation_(tungstenAttenuation) {}

void PhysicsTargetData::Load() const {
    std::call_once(loaded_, [this] {
        try {
            // The tables first, so that of two damaged files the same one is reported.
            TungstenTargetTables tables =
                LoadTungstenTargetTables(folder_ / kTungstenTargetFileName);
            std::vector<CharacteristicLine> lines =
                LoadTungstenLines(folder_ / kTungstenLinesFileName);
            source_.emplace<PhysicsSourceTerm>(tables, std::move(lines), tungstenAttenuation_);
        } catch (const TungstenTargetError& error) {
            source_ = ModelDataRefusal{error.Problem()};
        } catch (const TungstenLinesError& error) {
            source_ = ModelDataRefusal{error.Problem()};
        }
    });
}

const PhysicsSourceTerm* PhysicsTargetData::Source() const {
    Load();
    return std::get_if<PhysicsSourceTerm>(&source_);
}

std::optional<ModelDataRefusal> PhysicsTargetData::Refusal() const {
    Load();
    if (const auto* refusal = std::get_if<ModelDataRefusal>(&source_)) {
        return *refusal;
    }
    return std::nullopt;
}

std::variant<const PhysicsSourceTerm*, ModelDataRefusal> PhysicsSourceOf(
    const AttenuationTable& attenuation) {
    if (!attenuation.PhysicsTarget) {
        const std::filesystem::path file(kTungstenTargetFileName);
        return ModelDataRefusal{TungstenTargetProblem{file.string(), FileProblem{file, ENOENT}}};
    }
    if (const PhysicsSourceTerm* source = attenuation.PhysicsTarget->Source()) {
        return source;
    }
    return *attenuation.PhysicsTarget->Refusal();
}

}  // namespace tubeline
