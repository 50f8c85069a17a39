#include "cli/diagram_option.h"

#include <array>
#include <optional>

#include "cli/command_error.h"
#include "engine/file/safe_write.h"
#include "ui/file_path.h"
#include "ui/messages.h"
#include "ui/svg_writer.h"
#include "ui/ts_diagram.h"

namespace vaporis::app {

namespace {

// A PNG needs a rasteriser with fonts, which only the desktop program has.
const CLI::Validator kPngRefused(
    [](const std::string&) {
        return std::string(
            "PNG pictures are written by the desktop program (\"save as PNG\" in the "
            "diagram); use --svg here");
    },
    "");

std::array<const NumberOption*, 4> ranges(const DiagramOptions& diagram) {
    return {&diagram.tMin, &diagram.tMax, &diagram.sMin, &diagram.sMax};
}

// The default settings with the ranges given on the command line; whether any was given.
std::pair<ui::TsDiagramSettings, bool> askedSettings(const DiagramOptions& diagram) {
    ui::TsDiagramSettings settings;
    bool given = false;
    for (int i = 0; i < 4; ++i) {
        if (const std::optional<double> value = ranges(diagram)[i]->value()) {
            settings.setRange(i, *value);
            given = true;
        }
    }
    return {settings, given};
}

template <typename Process, typename Draw>
void writeDiagram(const DiagramOptions& diagram, const Process& process, Draw draw) {
    if (diagram.svgPath.empty()) {
        return;
    }
    const auto [settings, given] = askedSettings(diagram);
    if (given && !ui::rangesAccepted(process, settings)) {
        throw ArgumentError(
            "--t-min/--t-max/--s-min/--s-max: " +
            std::string(ui::messageText(ui::MessageId::kTemperatureLimitsOutOfRange)));
    }
    if (!file::writeFileSafely(ui::pathFromUtf8(diagram.svgPath),
                               ui::toSvg(draw(process, settings)))) {
        throw ArgumentError("--svg " + diagram.svgPath + ": the file could not be written");
    }
}

}  // namespace

void addDiagramOptions(CLI::App& command, DiagramOptions& diagram) {
    command.add_option("--svg", diagram.svgPath, "also write the T-s diagram as SVG to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    command.add_option("--png", diagram.pngPath, "not here: the desktop program writes PNG")
        ->type_name("FILE")
        ->check(kPngRefused);
    addNumber(command, diagram.tMin, "--t-min", "lower end of the diagram's T axis [°C]");
    addNumber(command, diagram.tMax, "--t-max", "upper end of the diagram's T axis [°C]");
    addNumber(command, diagram.sMin, "--s-min", "left end of the diagram's s axis [kJ/(kg K)]");
    addNumber(command, diagram.sMax, "--s-max", "right end of the diagram's s axis [kJ/(kg K)]");
}

void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::SteamThermalProcess& process) {
    writeDiagram(diagram, process, ui::steamTsDiagram);
}

void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::GasThermalProcess& process) {
    writeDiagram(diagram, process, ui::gasTsDiagram);
}

}  // namespace vaporis::app
