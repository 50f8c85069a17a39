#include "engine/water/transport.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

// f(p, t) of a state where it must succeed.
double valid(double (*f)(double, double, int&), double p, double t) {
    int status = -1;
    const double value = f(p, t, status);
    EXPECT_EQ(status, kOk) << "p = " << p << " bar, t = " << t << " °C";
    return value;
}

// The status of f(p, t) where it must fail with the value -1.0.
int refused(double (*f)(double, double, int&), double p, double t) {
    int status = kOk;
    EXPECT_EQ(f(p, t, status), -1.0) << "p = " << p << " bar, t = " << t << " °C";
    return status;
}

double betaOverChi(double p, double t) {
    return valid(isobaricExpansion, p, t) / valid(isothermalCompressibility, p, t);
}

TEST(WaterTransport, MatchesIaps1985FormulationsAndWellKnownValues) {
    // p [bar], t [°C], eta [1e-6 Pa s], lambda [W/(m K)]: an independent evaluation of IAPS 1985
    // on IF97 densities with exact derivatives in the critical enhancement (water at 25 °C:
    // 890.0e-6 Pa s, 0.607 W/(m K)); 1000 bar, 590 °C lies on the B23 boundary.
    for (const auto& [p, t, eta, lambda] :
         {std::array{1.0, 25.0, 890.0825, 0.6071948}, std::array{1.0, 200.0, 16.1769, 0.03328443},
          std::array{1000.0, 25.0, 889.661, 0.6514143},
          std::array{150.0, 300.0, 88.33336, 0.5614359},
          std::array{221.0, 350.0, 70.89191, 0.4711677},
          std::array{250.0, 410.0, 28.56143, 0.1424323},
          std::array{400.0, 460.0, 37.28022, 0.2019042},
          std::array{1000.0, 590.0, 55.38049, 0.2791946}}) {
        EXPECT_NEAR(valid(dynamicViscosityPaS, p, t) * 1e6 / eta, 1.0, 5e-6) << p;
        EXPECT_NEAR(valid(thermalConductivity, p, t) / lambda, 1.0, 2e-3) << p;
        const TransportPair pair = viscosityAndConductivity(p, t);
        EXPECT_EQ(pair.etaPaS, valid(dynamicViscosityPaS, p, t));
        EXPECT_EQ(pair.lambda, valid(thermalConductivity, p, t));
    }
    // outside the range of the formulations, and on the saturation line
    EXPECT_EQ(refused(dynamicViscosityPaS, 1.0, 800.1), kOutsideRegion);
    EXPECT_EQ(refused(thermalConductivity, 1001.0, 20.0), kOutsideRegion);
    EXPECT_EQ(refused(thermalConductivity, 0.005, 50.0), kOutsideRegion);
    EXPECT_EQ(refused(dynamicViscosityPaS, 1.0, 99.6059), kOnSaturationLine);
}

TEST(WaterSurfaceTension, MatchesIapws1994TableFromTheTriplePoint) {
    // t [°C], sigma [1e-3 N/m] as printed in the IAPWS 1994 release's table
    for (const auto& [t, sigma] :
         {std::array{0.01, 75.65}, std::array{100.0, 58.91}, std::array{300.0, 14.36}}) {
        int status = -1;
        EXPECT_NEAR(surfaceTensionNPerM(t, status) * 1e3, sigma, 0.005) << t;
        EXPECT_EQ(status, kOk);
    }
}

TEST(WaterDerivedProperties, IdealGasLimitSteamAt1Bar200DegCAndIf97Region3Derivatives) {
    // steam at 0.01 bar, 500 °C is nearly ideal: chi = 1/p, drho/dp = 1 / (R T)
    EXPECT_NEAR(valid(isothermalCompressibility, 0.01, 500.0) * 0.01, 1.0, 1e-4);
    EXPECT_NEAR(valid(isothermalDensitySlope, 0.01, 500.0) * 0.461526 * 773.15 / 100.0, 1.0, 1e-3);
    EXPECT_NEAR(valid(isentropicExponent, 1.0, 200.0), 1.311, 5e-4);
    EXPECT_EQ(refused(isentropicExponent, 150.0, 1000.0), kOutsideRegion);
    // the IF97 region-3 check points (Table 33) at their pressures; beta [1/K] and chi [1/bar]
    // from the derivatives of the region-3 equation at rho = 500 and 200 kg/m³
    for (const auto& [p, t, beta, chi] :
         {std::array{255.837018, 376.85, 0.0168653108, 0.00345506958},
          std::array{222.930643, 376.85, 0.0685312281, 0.0375798588},
          std::array{783.095639, 476.85, 0.00441515099, 0.000806710817}}) {
        EXPECT_NEAR(valid(isobaricExpansion, p, t) / beta, 1.0, 1e-4) << p;
        EXPECT_NEAR(valid(isothermalCompressibility, p, t) / chi, 1.0, 1e-4) << p;
    }
}

TEST(WaterIsochoricSlope, EqualsBetaOverChiAndReportsDegenerateStatesAtTheTriplePoint) {
    // p [bar], t [°C], relative tolerance: (dp/dT)_v = beta / chi; above the critical pressure
    // it reaches 2 to 10 bar/K, far more than the first bracket of 0.1 bar per 0.1 K holds; a
    // liquid closer to 0 °C than its step keeps a usable one
    for (const auto& [p, t, tolerance] :
         {std::array{1.0, 20.0, 1e-3}, std::array{10.0, 300.0, 3e-3},
          std::array{220.64, 500.0, 1e-4}, std::array{1000.0, 25.0, 1e-4},
          std::array{221.0, 350.0, 1e-4}, std::array{400.0, 460.0, 1e-4},
          std::array{250.0, 380.0, 5e-3}, std::array{1.0, 1e-300, 0.01},
          std::array{1.0, 1e-7, 0.01}}) {
        EXPECT_NEAR(valid(isochoricPressureSlope, p, t) / betaOverChi(p, t), 1.0, tolerance)
            << "p = " << p << " bar, t = " << t << " °C";
    }
    EXPECT_NEAR(valid(thermalConductivity, 1.0, 1e-12), 0.5611, 5e-4);
    // liquid at exactly 0 °C on the saturation line lies in the band of region 4
    EXPECT_NE(refused(isochoricPressureSlope, saturationPressure(0.0) + 1e-12, 0.0), kOk);
    // vapour at exactly the triple-point pressure has no room below p for the steps, and the
    // 0/0 must not reach the conductivity as a valid value
    EXPECT_EQ(refused(isochoricPressureSlope, 0.00611213, 50.0), kDegenerateStep);
    for (const double t : {50.0, 800.0}) {
        EXPECT_EQ(refused(isothermalDensitySlope, 0.00611213, t), kDegenerateStep);
        EXPECT_NE(refused(thermalConductivity, 0.00611213, t), kOk);
        int status = -1;
        const double slope = isothermalDensitySlope(std::nextafter(0.00611213, 1.0), t, status);
        EXPECT_TRUE(status != kOk || std::isfinite(slope)) << slope;
    }
}

}  // namespace
}  // namespace vaporis::water
