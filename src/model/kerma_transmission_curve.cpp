#include "kerma_transmission_curve.h"

#include <algorithm>
#include <cmath>

namespace tubeline {
namespace {

constexpr int kStepsPerPass = 4;

// The bin just above the highest non-zero one (at most the last bin), or 0 when every bin is 0.
int SpectrumTopBin(const EnergyArray& spectrum) {
    int n = kEnergyBinCount;
    while (n >= 1 && spectrum[n] == 0) {
        --n;
    }
    return n == 0 ? 0 : std::min(n + 1, kEnergyBinCount);
}

}  // namespace

std::optional<KermaShares> KermaSharesOf(const EnergyArray& spectrum, const EnergyArray& muEnAir) {
    KermaShares shares;
    shares.Top = SpectrumTopBin(spectrum);
    if (shares.Top == 0) {
        return std::nullopt;
    }
    EnergyArray& share = shares.Share;
    double total = 0;
    for (int j = kFirstKermaBin; j <= shares.Top; ++j) {
        share[j] = spectrum[j] * muEnAir[j] * kEnergyStepKeV * j;
        total = total + share[j];
    }
    if (!(total > 0) || !std::isfinite(total)) {
        return std::nullopt;
    }
    for (int j = kFirstKermaBin; j <= shares.Top; ++j) {
        share[j] = share[j] / total;
        shares.Sum = shares.Sum + share[j];
    }
    return shares;
}

MaterialStep MaterialStepOf(const EnergyArray& mu, double stepCm) {
    MaterialStep step;
    step.ThicknessCm = stepCm;
    for (int j = kFirstKermaBin; j <= kEnergyBinCount; ++j) {
        step.Transmission[j] = std::exp(-mu[j] * stepCm);
    }
    return step;
}

KermaTransmissionCurve::KermaTransmissionCurve(const KermaShares& shares, const MaterialStep& step)
    : shares_(shares.Share), step_(step), top_(shares.Top), sumOfShares_(shares.Sum) {}

// `Count` more steps in one pass over the bins: each step's sum still adds the bins in order,
// but the sums of different steps do not wait for each other.
template <int Count>
void KermaTransmissionCurve::AttenuateSteps() {
    std::array<double, Count> left{};
    for (int j = kFirstKermaBin; j <= top_; ++j) {
        double share = shares_[j];
        for (int step = 0; step < Count; ++step) {
            share = share * step_.Transmission[j];
            left[step] = left[step] + share;
        }
        shares_[j] = share;
    }
    for (int step = 0; step < Count; ++step) {
        transmission_[steps_ + 1 + step] = 100 * left[step] / sumOfShares_;
    }
    steps_ += Count;
}

void KermaTransmissionCurve::AttenuateTo(int steps) {
    steps = std::min(steps, kKermaTransmissionSteps);
    while (steps - steps_ >= kStepsPerPass) {
        AttenuateSteps<kStepsPerPass>();
    }
    while (steps_ < steps) {
        AttenuateSteps<1>();
    }
}

void KermaTransmissionCurve::AttenuateWhileAbove(double percent) {
    AttenuateTo(2);
    while (steps_ < kKermaTransmissionSteps && transmission_[steps_] > percent) {
        AttenuateTo(steps_ + kStepsPerPass);
    }
}

std::optional<double> DepthOnCurveCm(std::span<const double> transmission, int steps,
                                     double percent, double stepCm) {
    int i = 2;
    while (i <= steps && transmission[i] > percent) {
        ++i;
    }
    if (i > steps) {
        return std::nullopt;
    }
    const double f = (std::log(percent) - std::log(transmission[i - 1])) /
                     (std::log(transmission[i]) - std::log(transmission[i - 1]));
    return ((i - 1) + f) * stepCm;
}

std::optional<double> KermaTransmissionCurve::DepthCm(double percent) const {
    return DepthOnCurveCm(transmission_, steps_, percent, step_.ThicknessCm);
}

}  // namespace tubeline
