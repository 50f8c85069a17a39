#include "engine/gas/gas_analysis.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/common/physical_constants.h"
#include "engine/water/saturation.h"

namespace vaporis::gas {
namespace {

[[nodiscard]] double sumOf(std::span<const double, kComponentCount> values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

[[nodiscard]] bool allFinite(std::span<const double, kComponentCount> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Percentages that can be normalised: all finite, with a positive sum that does not overflow
// (an infinite sum would turn every fraction into 0 and the conversion into 0/0).
[[nodiscard]] bool usablePercentages(std::span<const double, kComponentCount> values, double sum) {
    return allFinite(values) && sum > 0.0 && std::isfinite(sum);
}

}  // namespace

void GasAnalysis::setFromMassPercent(Values values) {
    std::copy(values.begin(), values.end(), massPercent_.begin());
    massPercentSum_ = sumOf(massPercent_);
    if (!usablePercentages(values, massPercentSum_)) {
        clear();
        return;
    }
    for (int i = 0; i < kComponentCount; ++i) {
        massFraction_[i] = massPercent_[i] / massPercentSum_;
    }
    deriveFromMassFractions();
}

void GasAnalysis::setFromVolumePercent(Values values) {
    std::copy(values.begin(), values.end(), volumePercent_.begin());
    volumePercentSum_ = sumOf(volumePercent_);
    if (!usablePercentages(values, volumePercentSum_)) {
        clear();
        return;
    }
    for (int i = 0; i < kComponentCount; ++i) {
        volumeFraction_[i] = volumePercent_[i] / volumePercentSum_;
    }
    deriveFromVolumeFractions();
}

EditResult GasAnalysis::setFromEnteredPercent(Values values) {
    const bool usable =
        std::all_of(values.begin(), values.end(), [](double v) { return v >= 0.0; }) &&
        allFinite(values) && std::isfinite(sumOf(values));
    if (!usable) {
        return EditResult::BadInput;
    }
    if (isVolumeBasis_) {
        setFromVolumePercent(values);
    } else {
        setFromMassPercent(values);
    }
    return EditResult::EditOk;
}

// The bases are converted with the normal densities, so that volume percent means the
// share of the normal volume.
void GasAnalysis::deriveFromMassFractions() {
    const auto components = componentTable();
    normalVolume_ = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        normalVolume_ += massFraction_[i] / components[i].normalDensity;
    }
    for (int i = 0; i < kComponentCount; ++i) {
        volumeFraction_[i] = massFraction_[i] / (components[i].normalDensity * normalVolume_);
        volumePercent_[i] = 100.0 * volumeFraction_[i];
    }
    deriveConstants();
}

void GasAnalysis::deriveFromVolumeFractions() {
    const auto components = componentTable();
    double density = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        density += volumeFraction_[i] * components[i].normalDensity;
    }
    normalVolume_ = 1.0 / density;
    for (int i = 0; i < kComponentCount; ++i) {
        massFraction_[i] = volumeFraction_[i] * components[i].normalDensity * normalVolume_;
        massPercent_[i] = 100.0 * massFraction_[i];
    }
    deriveConstants();
}

void GasAnalysis::deriveConstants() {
    massPercentSum_ = sumOf(massPercent_);
    volumePercentSum_ = sumOf(volumePercent_);
    const auto components = componentTable();
    double molesPerKg = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        if (massFraction_[i] > 0.0) {
            molesPerKg += massFraction_[i] / components[i].molarMass;
        }
    }
    molarMass_ = 1.0 / molesPerKg;
    gasConstantJ_ = kUniversalGasConstant / molarMass_ * 1000.0;
    deriveTemperatureRange();
}

void GasAnalysis::deriveTemperatureRange() {
    const auto components = componentTable();
    minTemperature_ = kNoComponentMinTemperature;
    maxTemperature_ = kNoComponentMaxTemperature;
    for (int i = 0; i < kComponentCount; ++i) {
        if (massFraction_[i] > 0.0) {
            minTemperature_ = std::max(minTemperature_, components[i].tMin);
            maxTemperature_ = std::min(maxTemperature_, components[i].tMax);
        }
    }
}

void GasAnalysis::clear() {
    massFraction_.fill(0.0);
    volumeFraction_.fill(0.0);
    massPercent_.fill(0.0);
    volumePercent_.fill(0.0);
    massPercentSum_ = 0.0;
    volumePercentSum_ = 0.0;
    deriveTemperatureRange();
}

void GasAnalysis::reset() {
    clear();
    isVolumeBasis_ = true;
}

void GasAnalysis::setDefault() {
    reset();
    Array values{};
    values[kDryAir] = 100.0;
    setFromVolumePercent(values);
}

void GasAnalysis::rescale() {
    if (isVolumeBasis_) {
        rescaleVolume();
    } else {
        rescaleMass();
    }
}

void GasAnalysis::rescaleMass() {
    Array values{};
    std::transform(massFraction_.begin(), massFraction_.end(), values.begin(),
                   [](double w) { return 100.0 * w; });
    setFromMassPercent(values);
}

void GasAnalysis::rescaleVolume() {
    Array values{};
    std::transform(volumeFraction_.begin(), volumeFraction_.end(), values.begin(),
                   [](double y) { return 100.0 * y; });
    setFromVolumePercent(values);
}

void GasAnalysis::swapBasis() {
    const Array entered = isVolumeBasis_ ? volumePercent_ : massPercent_;
    isVolumeBasis_ = !isVolumeBasis_;
    if (setFromEnteredPercent(entered) != EditResult::EditOk) {
        clear();  // as an unusable sum clears it
    }
}

void GasAnalysis::setComponentVolumeFraction(int index, double y) {
    setComponentFraction(index, y, true);
}

// The other components keep their ratios and fill the rest up to 1.
void GasAnalysis::setComponentFraction(int index, double x, bool volumeBasis) {
    if (!isComponentIndex(index) || !std::isfinite(x)) {
        return;
    }
    const Array& fractions = volumeBasis ? volumeFraction_ : massFraction_;
    Array values = fractions;
    if (fractions[index] != 1.0) {
        const double scale = 100.0 * (1.0 - x) / (1.0 - fractions[index]);
        std::transform(fractions.begin(), fractions.end(), values.begin(),
                       [scale](double f) { return f * scale; });
    }
    values[index] = 100.0 * x;
    if (volumeBasis) {
        setFromVolumePercent(values);
    } else {
        setFromMassPercent(values);
    }
}

EditResult GasAnalysis::humidify(double p, double t, double phi) {
    if (massFraction_[kWaterVapor] == 1.0) {
        return EditResult::WaterOnly;
    }
    if (!std::isfinite(p) || !std::isfinite(t) || !std::isfinite(phi) || p <= 0.0 || phi < 0.0 ||
        phi > 100.0) {
        return EditResult::BadInput;
    }
    if (t < minTemperature()) {
        return EditResult::BelowMinTemperature;
    }
    const double y = t + kZeroCelsiusK <= kCriticalTemperatureK
                         ? phi / 100.0 * water::saturationPressure(t) / p
                         : 1.0;
    if (!(y >= 0.0)) {
        return EditResult::BadInput;
    }
    if (y >= 1.0) {
        return EditResult::SaturationImpossible;
    }
    setComponentVolumeFraction(kWaterVapor, y);
    rescale();
    return EditResult::EditOk;
}

void GasAnalysis::dry() {
    setComponentVolumeFraction(kWaterVapor, 0.0);
}

EditResult GasAnalysis::changeComponentBy(int index, double d) {
    if (!isComponentIndex(index) || !std::isfinite(d)) {
        return EditResult::BadInput;
    }
    const double v = d / 100.0 + (isVolumeBasis_ ? volumeFraction_ : massFraction_)[index];
    if (index == singleComponent()) {
        return EditResult::SingleComponent;
    }
    if (v <= 0.0) {
        return EditResult::TooMuchRemoved;
    }
    if (v >= 1.0) {
        return EditResult::TooMuchAdded;
    }
    setComponentFraction(index, v, isVolumeBasis_);
    return EditResult::EditOk;
}

EditResult GasAnalysis::changeComponentTo(int index, double v) {
    if (!isComponentIndex(index) || !std::isfinite(v) || v < 0.0) {
        return EditResult::BadInput;
    }
    const double x = v / 100.0;
    if (x > 1.0) {
        return EditResult::AboveHundredPercent;
    }
    if (index == singleComponent()) {
        return EditResult::SingleComponent;
    }
    setComponentFraction(index, x, isVolumeBasis_);
    return EditResult::EditOk;
}

EditResult GasAnalysis::mixMass(const GasAnalysis& other, double a) {
    if (!std::isfinite(a) || a < 0.0) {
        return EditResult::BadInput;
    }
    Array values{};
    for (int i = 0; i < kComponentCount; ++i) {
        values[i] = massFraction_[i] + other.massFraction_[i] * a;
    }
    setFromMassPercent(values);
    rescale();
    return EditResult::EditOk;
}

EditResult GasAnalysis::mixVolume(const GasAnalysis& other, double a) {
    if (!std::isfinite(a) || a < 0.0) {
        return EditResult::BadInput;
    }
    Array values{};
    for (int i = 0; i < kComponentCount; ++i) {
        values[i] = volumeFraction_[i] + other.volumeFraction_[i] * a;
    }
    setFromVolumePercent(values);
    rescale();
    return EditResult::EditOk;
}

int GasAnalysis::singleComponent() const {
    int found = -2;
    for (int i = 0; i < kComponentCount; ++i) {
        if (massFraction_[i] > 0.0) {
            if (found != -2) {
                return -1;
            }
            found = i;
        }
    }
    return found;
}

void GasAnalysis::setName(std::string_view text) {
    std::size_t length = std::min(text.size(), kMaxGasNameLength);
    // Step back over continuation bytes so that a cut never leaves half a character.
    if (length < text.size()) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    name_.assign(text.substr(0, length));
}

double GasAnalysis::massFraction(int index) const {
    return isComponentIndex(index) ? massFraction_[index] : 0.0;
}

double GasAnalysis::volumeFraction(int index) const {
    return isComponentIndex(index) ? volumeFraction_[index] : 0.0;
}

double GasAnalysis::massPercent(int index) const {
    return isComponentIndex(index) ? massPercent_[index] : 0.0;
}

double GasAnalysis::volumePercent(int index) const {
    return isComponentIndex(index) ? volumePercent_[index] : 0.0;
}

GasAnalysis::Values GasAnalysis::enteredPercents() const {
    return isVolumeBasis_ ? volumePercents() : massPercents();
}

}  // namespace vaporis::gas
