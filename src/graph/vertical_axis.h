#pragma once

namespace tubeline {

// The quantity on the graph's vertical axis, each relative to its largest value in the run.
enum class VerticalAxis { PhotonFluence = 1, AirKerma = 2, EnergyFluence = 3 };

}  // namespace tubeline
