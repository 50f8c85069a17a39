#include "processes/tools/ambient_data.h"

#include <cmath>
#include <cstddef>

#include "engine/common/physical_constants.h"
#include "engine/file/binary_io.h"
#include "engine/water/saturation.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

constexpr double kAirGasConstant = kUniversalGasConstantJ / kAirMolarMass;  // [J/(kg K)]
constexpr double kReferencePressurePa = 101300.0;
constexpr double kReferencePressure = 1.013;  // [bar]
constexpr double kAirNormalDensity = 1.293;   // [kg/m³] at the normal state

// The density enters the pressure only through a small exponent: a few passes settle.
constexpr int kMaxPressurePasses = 100;
constexpr double kDensityTolerance = 1e-5;

struct MoistAir {
    double p = 1.0;  // [bar]
    double rho = 1.0;
    double x = 0.0;
};

// Barometric height formula of an isothermal atmosphere, solved together with the density
// of the moist air it depends on; phi as a fraction, ps the vapour pressure [bar].
bool settlePressure(double tK, double phi, double ps, double z, MoistAir& air) {
    double rho0 = kAirNormalDensity;
    for (int pass = 0; pass < kMaxPressurePasses; ++pass) {
        const double rhoPrevious = air.rho;
        air.x = 0.622 * phi * ps / (air.p - phi * ps);
        const double f = 1.0 - 0.377 * phi * ps / air.p;
        air.p = kReferencePressure * std::exp(-rho0 * kGravity / kReferencePressurePa * z);
        rho0 = kReferencePressurePa * f / (kAirGasConstant * tK);
        air.rho = air.p / kReferencePressure * kAirNormalDensity * kNormalTemperatureK / tK * f;
        if (std::abs(rhoPrevious - air.rho) <= kDensityTolerance) {
            return true;
        }
    }
    return false;
}

}  // namespace

void writeBlock(const AmbientData::Inputs& inputs, file::BinaryWriter& out) {
    for (const double value : inputs) {
        out.f64(value);
    }
}

void readBlock(file::BinaryReader& in, AmbientData::Inputs& inputs) {
    for (double& value : inputs) {
        value = in.finiteF64();
    }
}

void AmbientData::reset() {
    *this = AmbientData{};
}

void AmbientData::setInput(int i, double value) {
    if (i >= 0 && i < kInputCount) {
        inputs_[static_cast<std::size_t>(i)] = value;
    }
}

int AmbientData::calculate() {
    status_ = compute();
    return status_;
}

int AmbientData::compute() {
    const double t = inputs_[kTemperature];
    const double phiPercent = inputs_[kRelativeHumidity];
    const double z = inputs_[kLevel];
    if (!std::isfinite(t) || !std::isfinite(phiPercent) || !std::isfinite(z)) {
        return codeOf(AmbientStatus::kNonFiniteInput);
    }
    if (phiPercent < 0.0 || phiPercent > 100.0) {
        return codeOf(AmbientStatus::kHumidityOutOfRange);
    }
    const double tK = t + kZeroCelsiusK;
    if (tK >= kCriticalTemperatureK) {
        return codeOf(AmbientStatus::kWaterBoils);
    }
    const double phi = phiPercent / 100.0;
    if (tK < kLowestWaterTemperatureK && phi > 0.0) {
        return codeOf(AmbientStatus::kBelowTriplePoint);
    }
    int status = kOk;
    // Below the triple point (dry air only) there is no vapour pressure and no water.
    const double ps = tK >= kLowestWaterTemperatureK ? water::vaporPressure(t, status) : 0.0;
    if (status != kOk) {
        return status;
    }
    MoistAir air;
    if (!settlePressure(tK, phi, ps, z, air)) {
        return codeOf(AmbientStatus::kNoConvergence);
    }
    if (ps > air.p) {
        return codeOf(AmbientStatus::kWaterBoils);
    }
    const double massFraction = air.x / (1.0 + air.x);
    const double moleFraction =
        air.x == 0.0
            ? 0.0
            : 1.0 / ((1.0 - massFraction) * kWaterMolarMass / (massFraction * kAirMolarMass) + 1.0);
    const double pw = moleFraction * air.p;
    const double dewPoint = pw >= kTriplePressure ? water::boilingTemperature(pw, status) : -1.0;
    results_ = {air.p, air.rho, air.x, massFraction, moleFraction, dewPoint};
    return status;
}

}  // namespace vaporis::processes
