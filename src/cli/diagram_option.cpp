#include "cli/diagram_option.h"

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "cli/command_error.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"
#include "engine/file/safe_write.h"
#include "output/diagrams/diagram_file_writer.h"
#include "output/diagrams/hs_diagram.h"
#include "output/diagrams/ts_diagram.h"
#include "output/format/file_path.h"
#include "output/messages/messages.h"

namespace vaporis::cli {

namespace {

std::array<const NumberOption*, 4> tsRanges(const DiagramOptions& diagram) {
    return {&diagram.tMin, &diagram.tMax, &diagram.sMin, &diagram.sMax};
}

// The default settings with the ranges given on the command line; whether any was given.
std::pair<output::TsDiagramSettings, bool> askedSettings(const DiagramOptions& diagram) {
    output::TsDiagramSettings settings;
    bool given = false;
    for (int i = 0; i < 4; ++i) {
        if (const std::optional<double> value = tsRanges(diagram)[i]->value()) {
            settings.setRange(i, *value);
            given = true;
        }
    }
    return {settings, given};
}

// The ranges chosen from the process, with those given on the command line.
output::HsDiagramRanges askedHsRanges(const DiagramOptions& diagram,
                                      const processes::SteamThermalProcess& process) {
    output::HsDiagramRanges ranges = output::hsRangesFor(process, shownUnits());
    const std::array<std::pair<const NumberOption*, double*>, 4> given{{
        {&diagram.hMin, &ranges.hMin},
        {&diagram.hMax, &ranges.hMax},
        {&diagram.sMin, &ranges.sMin},
        {&diagram.sMax, &ranges.sMax},
    }};
    for (const auto& [option, range] : given) {
        *range = option->value().value_or(*range);
    }
    if (!output::rangesAccepted(ranges)) {
        throw ArgumentError("--h-min/--h-max/--s-min/--s-max: the ranges must ascend");
    }
    return ranges;
}

bool anyFileAsked(const DiagramOptions& diagram) {
    return !diagram.svgPath.empty() || !diagram.pngPath.empty() || !diagram.pdfPath.empty();
}

// Each file is rendered in memory first, so a failed save leaves any old file as it was.
void writeFiles(const DiagramOptions& diagram, const output::DisplayList& drawing) {
    const std::array<std::tuple<const char*, const std::string*, output::DiagramFormat>, 3> files{{
        {"--svg", &diagram.svgPath, output::DiagramFormat::kSvg},
        {"--png", &diagram.pngPath, output::DiagramFormat::kPng},
        {"--pdf", &diagram.pdfPath, output::DiagramFormat::kPdf},
    }};
    for (const auto& [option, path, format] : files) {
        if (path->empty()) {
            continue;
        }
        const std::string bytes = output::diagramFile(drawing, format);
        if (bytes.empty()) {
            throw ArgumentError(std::string(option) + " " + *path +
                                ": the diagram could not be drawn");
        }
        if (const file::WriteOutcome outcome =
                file::writeFileSafely(output::pathFromUtf8(*path), bytes);
            !outcome) {
            throw notWritten(std::string(option) + " " + *path, outcome);
        }
    }
}

template <typename Process, typename Draw>
void writeTsDiagram(const DiagramOptions& diagram, const Process& process, Draw draw) {
    const auto [settings, given] = askedSettings(diagram);
    if (given && !output::rangesAccepted(process, settings)) {
        throw ArgumentError(
            "--t-min/--t-max/--s-min/--s-max: " +
            std::string(output::messageText(output::MessageId::kTemperatureLimitsOutOfRange)));
    }
    writeFiles(diagram, draw(process, settings, shownUnits()));
}

}  // namespace

void addDiagramOptions(CLI::App& command, DiagramOptions& diagram, bool steam) {
    command.add_option("--svg", diagram.svgPath, "also write the diagram as SVG to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    command.add_option("--png", diagram.pngPath, "also write the diagram as PNG to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    command.add_option("--pdf", diagram.pdfPath, "also write the diagram as PDF to FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    if (steam) {
        command
            .add_option("--diagram", diagram.kind,
                        "ts: the T-s diagram (default), hs: the h-s (Mollier) diagram")
            ->type_name("KIND")
            ->check(CLI::IsMember({"ts", "hs"}));
    }
    addNumber(command, diagram.tMin, "--t-min", "lower end of the T-s diagram's T axis [°C]");
    addNumber(command, diagram.tMax, "--t-max", "upper end of the T-s diagram's T axis [°C]");
    addNumber(command, diagram.sMin, "--s-min", "left end of the diagram's s axis [kJ/(kg K)]");
    addNumber(command, diagram.sMax, "--s-max", "right end of the diagram's s axis [kJ/(kg K)]");
    if (steam) {
        addNumber(command, diagram.hMin, "--h-min",
                  "lower end of the h-s diagram's h axis [kJ/kg]");
        addNumber(command, diagram.hMax, "--h-max",
                  "upper end of the h-s diagram's h axis [kJ/kg]");
    }
}

void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::SteamThermalProcess& process) {
    if (!anyFileAsked(diagram)) {
        return;
    }
    const bool hs = diagram.kind == "hs";
    if (hs ? diagram.tMin.value() || diagram.tMax.value()
           : diagram.hMin.value() || diagram.hMax.value()) {
        throw ArgumentError(hs ? "--t-min/--t-max: the h-s diagram has an h axis (--h-min/--h-max)"
                               : "--h-min/--h-max: only with --diagram hs");
    }
    if (hs) {
        const output::TsDiagramSettings switches;
        writeFiles(diagram, output::steamHsDiagram(process, switches,
                                                   askedHsRanges(diagram, process), shownUnits()));
        return;
    }
    writeTsDiagram(diagram, process, output::steamTsDiagram);
}

void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::GasThermalProcess& process) {
    if (anyFileAsked(diagram)) {
        writeTsDiagram(diagram, process, output::gasTsDiagram);
    }
}

}  // namespace vaporis::cli
