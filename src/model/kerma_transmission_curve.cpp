#include "kerma_transmission_curve.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tubeline {
namespace {

constexpr int kStepsPerPass = 4;
// Newton's steps meet the root in about six; bisection, where they would leave the bracket,
// halves it down to neighbouring doubles in at most about sixty.
constexpr int kMaxRefinements = 100;
// A step this small relative to the depth is a few units in the last place of a double.
constexpr double kSettledRelativeChange = 4 * std::numeric_limits<double>::epsilon();

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
        step.Mu[j] = mu[j];
    }
    return step;
}

KermaTransmissionCurve::KermaTransmissionCurve(const KermaShares& shares, const MaterialStep& step)
    : firstShares_(shares.Share),
      shares_(shares.Share),
      step_(step),
      top_(shares.Top),
      sumOfShares_(shares.Sum) {}

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

double DepthWithinFirstStepCm(std::span<const double> shares, std::span<const double> mu,
                              double sumOfShares, double percent, double stepCm) {
    // The logarithm of the kerma left is nearly straight in d, so Newton's method on it meets
    // the root in a few steps; a bracket that every step narrows keeps it inside the step.
    const double logPercent = std::log(percent);
    double above = 0;       // leaves more than percent
    double below = stepCm;  // leaves less
    double depth = stepCm / 2;
    for (int iteration = 0; iteration < kMaxRefinements; ++iteration) {
        double left = 0;
        double slope = 0;  // - d(left)/dd
        for (std::size_t j = 0; j < shares.size(); ++j) {
            const double share = shares[j] * std::exp(-mu[j] * depth);
            left = left + share;
            slope = slope + mu[j] * share;
        }
        const double excess = std::log(100 * left / sumOfShares) - logPercent;
        if (excess == 0) {
            return depth;
        }
        (excess > 0 ? above : below) = depth;
        double next = depth + excess * left / slope;
        if (!(next > above && next < below)) {
            next = above + (below - above) / 2;
        }
        const bool settled = std::abs(next - depth) <= kSettledRelativeChange * depth;
        depth = next;
        if (settled) {
            break;
        }
    }
    return depth;
}

std::optional<double> KermaTransmissionCurve::DepthCm(double percent) const {
    if (steps_ >= 1 && transmission_[1] < percent) {
        const auto bins = [this](const EnergyArray& values) {
            return std::span<const double>(values).subspan(kFirstKermaBin,
                                                           top_ - kFirstKermaBin + 1);
        };
        return DepthWithinFirstStepCm(bins(firstShares_), bins(step_.Mu), sumOfShares_, percent,
                                      step_.ThicknessCm);
    }
    return DepthOnCurveCm(transmission_, steps_, percent, step_.ThicknessCm);
}

}  // namespace tubeline
