#include "cli/diagram_option.h"

#include <array>
#include <optional>

#include "cli/command_error.h"
#include "cli/output_options.h"
#include "engine/file/safe_write.h"
#include "ui/file_path.h"
#include "ui/messages.h"
#include "ui/png_writer.h"
#include "ui/svg_writer.h"
#include "ui/ts_diagram.h"

namespace vaporis::app {

namespace {

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

void writeOrThrow(const std::string& option, const std::string& path, const std::string& bytes) {
    if (path.empty()) {
        return;
    }
    if (const file::WriteOutcome outcome = file::writeFileSafely(ui::pathFromUtf8(path), bytes);
        !outcome) {
        throw notWritten(option + " " + path, outcome);
    }
}

template <typename Process, typename Draw>
void writeDiagram(const DiagramOptions& diagram, const Process& process, Draw draw) {
    if (diagram.svgPath.empty() && diagram.pngPath.empty()) {
        return;
    }
    const auto [settings, given] = askedSettings(diagram);
    if (given && !ui::rangesAccepted(process, settings)) {
        throw ArgumentError(
            "--t-min/--t-max/--s-min/--s-max: " +
            std::string(ui::messageText(ui::MessageId::kTemperatureLimitsOutOfRange)));
    }
    const ui::DisplayList drawing = draw(process, settings);
    writeOrThrow("--svg", diagram.svgPath, diagram.svgPath.empty() ? "" : ui::toSvg(drawing));
    writeOrThrow("--png", diagram.pngPath, diagram.pngPath.empty() ? "" : ui::toPng(drawing));
}

}  // namespace

void addDiagramOptions(CLI::App& command, DiagramOptions& diagram) {
    command.add_option("--svg", diagram.svgPath, "also write the T-s diagram as SVG to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    command.add_option("--png", diagram.pngPath, "also write the T-s diagram as PNG to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
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
