#include "output/format/number_text.h"

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "output/messages/limit_text.h"

namespace vaporis::output {
namespace {

// printf itself, in the C locale, is the reference for the digits of "%.Nlf".
std::string printfFixed(double value, int decimals) {
    std::array<char, 512> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return buffer.data();
}

constexpr auto kSamples =
    std::to_array<double>({0.0, -0.0, 0.5, 2.5, 0.125, -0.00005, 3196.5926831, 123456789.987654321,
                           2.675, 1.005, 1e22, 5e-324, -273.15, 0.1 + 0.2});

TEST(NumberText, FixedFormatGivesPrintfDigitsForZeroToNineDecimals) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    for (const double value : kSamples) {
        for (int decimals = 0; decimals <= 9; ++decimals) {
            SCOPED_TRACE(printfFixed(value, 17) + " with " + std::to_string(decimals));
            EXPECT_EQ(formatFixed(value, decimals), printfFixed(value, decimals));
        }
    }
}

TEST(NumberText, ShortestFormRoundTrips) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    for (const double value : kSamples) {
        SCOPED_TRACE(printfFixed(value, 17));
        EXPECT_EQ(std::strtod(formatShortest(value).c_str(), nullptr), value);
    }
    EXPECT_EQ(formatShortest(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(formatShortest(50.0), "50");
}

// A German desktop sets the decimal comma in the C library; reports and fields must still
// show and read points.
TEST(NumberText, GermanNumericLocaleStillGivesPoints) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            german = name;
            break;
        }
    }
    if (german == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    struct RestoreCLocale {
        ~RestoreCLocale() { std::setlocale(LC_NUMERIC, "C"); }
    } restore;
    ASSERT_EQ(printfFixed(1.5, 1), "1,5") << "the locale did not take effect";
    EXPECT_EQ(formatFixed(3196.59268, 4), "3196.5927");
    EXPECT_EQ(formatShortest(12.5), "12.5");
    EXPECT_EQ(parseDecimal("12.5"), 12.5);
}

// Limits by the factors 1 psi = 6894.757293168 Pa, °F = °C * 9/5 + 32, 1 ft = 0.3048 m.
TEST(NumberText, LimitsNamedInATextFollowTheChosenUnits) {
    const std::string text =
        "0.01 <= t <= 2000 °C at 0.00611213 < p <= 100 bar; He up to 2044K; H2O < 0°C; "
        "0.1 - 0.5m; -40 °C; 20 m/s";
    EXPECT_EQ(shownLimits(text, {}), text);
    EXPECT_EQ(shownLimits(text, *presetChoice("us")),
              "32.018 <= t <= 3632 °F at 0.088649 < p <= 1450.38 psia; He up to 3219.53°F; "
              "H2O < 32°F; 0.328084 - 1.64042ft; -40 °F; 20 m/s");
    UnitChoice gauge;
    ASSERT_EQ(applyUnitList("p=barg", gauge), "");
    EXPECT_EQ(shownLimits("p > 10 bar, 0 < p < p_c (220.64 bar)", gauge),
              "p > 8.98675 barg, -1.01325 < p < p_c (219.627 barg)");
}

}  // namespace
}  // namespace vaporis::output
