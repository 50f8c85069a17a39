#include "ui/text_format.h"

#include <gtest/gtest.h>

namespace vaporis::ui {
namespace {

TEST(TextFormat, FillsTextsAndNumbersInOrder) {
    EXPECT_EQ(formatText("<td>%s</td><td> %.4lf %s </td>", {"p", 50.0, "bar"}),
              "<td>p</td><td> 50.0000 bar </td>");
    EXPECT_EQ(formatText("%.0lf|%.5lf|%.9lf", {2.5, 1.0 / 3.0, 0.1}), "2|0.33333|0.100000000");
    EXPECT_EQ(formatText("100%% of %s", {"x"}), "100% of x");
}

TEST(TextFormat, MissingOrMismatchedArgumentsLeaveAGap) {
    EXPECT_EQ(formatText("a%sb%sc", {"1"}), "a1bc");
    EXPECT_EQ(formatText("[%s][%.2lf]", {1.0, "t"}), "[][]");
    EXPECT_EQ(formatText("50%", {}), "50%");
    EXPECT_EQ(formatText("%d %.x", {}), "%d %.x");
}

}  // namespace
}  // namespace vaporis::ui
