#include "ui/messages.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"

namespace vaporis::ui {
namespace {

TEST(MessageTable, HoldsFortyFourTextsAndNothingBeyond) {
    for (int number = 0; number < kMessageCount; ++number) {
        SCOPED_TRACE(number);
        EXPECT_FALSE(messageText(number).empty());
    }
    EXPECT_TRUE(messageText(-1).empty());
    EXPECT_TRUE(messageText(44).empty());
}

TEST(MessageTable, TextsAreTheProgramsOwnWords) {
    EXPECT_EQ(messageText(0), "Input data error. Please check your input data!");
    EXPECT_EQ(messageText(5),
              "The water vapor content is too high (condensation).\n\nH2O dew point =");
    EXPECT_EQ(messageText(11),
              "State too close to boiling temperature! Use steam quality x as input parameter!");
    EXPECT_EQ(messageText(16),
              "The specified heat loss is too high (temperature at process end < 0°C)!");
    EXPECT_EQ(messageText(35), "File already exists! Overwrite?");
    EXPECT_EQ(messageText(43), "Additional zeta in/out is limited with");
}

TEST(MessageTable, NewerVersionMessageEndsWithTheProjectAddress) {
    const std::string_view text = messageText(36);
    EXPECT_TRUE(
        text.starts_with("The input file has been generated from a newer version of "
                         "this program. Data might have been lost.\n\nPlease download "
                         "the newest version of this program from "));
    EXPECT_TRUE(text.ends_with("https://vaporis.example.org!"));
}

TEST(MessageTable, AskIsTrueOnlyForYes) {
    for (const auto& [answer, expected] :
         {std::pair{MessageAnswer::kYes, true}, std::pair{MessageAnswer::kNo, false}}) {
        test::ScriptedPort port;
        port.answerNextQuestion(answer);
        EXPECT_EQ(askMessage(port, 41, kCaptionWarning), expected);
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].buttons, MessageButtons::kYesNo);
        EXPECT_EQ(port.messages()[0].caption, "Warning");
    }
}

TEST(MessageTable, ShowHasOnlyAnOkButton) {
    test::ScriptedPort port;
    showMessage(port, 1, kCaptionError);
    ASSERT_EQ(port.messages().size(), 1U);
    EXPECT_EQ(port.messages()[0].text, "Input data is out of validity range!");
    EXPECT_EQ(port.messages()[0].caption, "Error");
    EXPECT_EQ(port.messages()[0].buttons, MessageButtons::kOk);
}

}  // namespace
}  // namespace vaporis::ui
