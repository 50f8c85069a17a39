#include "ui/svg_writer.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "ui/display_list.h"

namespace vaporis::ui {
namespace {

// An axis with its arrow head, a dashed change of state to a numbered circle, two text lines.
DisplayList smallDiagram() {
    DisplayList drawing;
    drawing.fillRectangle({0, 0, 500, 500}, Colour::kWhite);
    drawing.polyline({{50, 20}, {50, 460}, {470, 460}});
    drawing.text({65, 10, 110, 60}, " T\n[°C] & <s>");
    drawing.setPen(Colour::kBlack, PenStyle::kDashed);
    drawing.moveTo({100, 400});
    drawing.lineTo({300, 100});
    drawing.circle({300, 100}, 5);
    return drawing;
}

TEST(SvgWriter, WritesEachCommandWithThePenAndCurrentPointBeforeIt) {
    EXPECT_EQ(toSvg(smallDiagram()),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"500\" height=\"500\" "
              "viewBox=\"0 0 500 500\" font-family=\"sans-serif\" font-size=\"12\">\n"
              "<rect x=\"0\" y=\"0\" width=\"500\" height=\"500\" fill=\"white\" "
              "stroke=\"white\"/>\n"
              "<polyline points=\"50,20 50,460 470,460\" fill=\"none\" stroke=\"black\"/>\n"
              "<text x=\"65\" y=\"21\" fill=\"black\"> T</text>\n"
              "<text x=\"65\" y=\"35\" fill=\"black\">[°C] &amp; &lt;s&gt;</text>\n"
              "<line x1=\"100\" y1=\"400\" x2=\"300\" y2=\"100\" stroke=\"black\" "
              "stroke-dasharray=\"6 3\"/>\n"
              "<circle cx=\"300\" cy=\"100\" r=\"5\" fill=\"none\" stroke=\"black\" "
              "stroke-dasharray=\"6 3\"/>\n"
              "</svg>\n");
}

TEST(ScriptedPort, KeepsTheLastDrawingOfEachCanvas) {
    test::ScriptedPort port;
    DisplayList first;
    first.circle({1, 2}, 3);
    port.draw(7, first);
    port.draw(7, smallDiagram());
    ASSERT_NE(port.drawing(7), nullptr);
    EXPECT_EQ(*port.drawing(7), smallDiagram());
    EXPECT_EQ(port.drawing(8), nullptr);
}

}  // namespace
}  // namespace vaporis::ui
