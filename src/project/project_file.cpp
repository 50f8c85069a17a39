#include "project/project_file.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "engine/file/binary_io.h"
#include "engine/file/safe_write.h"

namespace vaporis::project {
namespace {

// The shortest file whose header can be told apart from a foreign one's.
constexpr std::size_t kMinimumFileSize = 8;

// The ambient inputs are a plain array, which argument-dependent lookup does not tie to them.
using processes::readBlock;
using processes::writeBlock;

// Appends one block: its fields, then zero bytes up to its 1000.
template <typename Inputs>
void appendBlock(const Inputs& inputs, file::BinaryWriter& out) {
    const std::size_t start = out.size();
    writeBlock(inputs, out);
    out.padTo(start + kProjectBlockSize);
}

// Reads one block's fields and passes over the rest of its 1000 bytes.
template <typename Inputs>
void takeBlock(file::BinaryReader& in, Inputs& inputs) {
    const std::size_t start = in.offset();
    readBlock(in, inputs);
    if (in.ok()) {
        in.skip(start + kProjectBlockSize - in.offset());
    }
}

// Blocks 2 to 12, after the analysis; false when one of them cannot be used.
bool readModuleBlocks(file::BinaryReader& in, ProjectInputs& parsed) {
    takeBlock(in, parsed.gasState1);
    takeBlock(in, parsed.gasState2);
    takeBlock(in, parsed.gasThermalProcess);
    takeBlock(in, parsed.gasFlowProcess);
    takeBlock(in, parsed.steamState1);
    takeBlock(in, parsed.steamState2);
    takeBlock(in, parsed.steamThermalProcess);
    takeBlock(in, parsed.steamFlowProcess);
    takeBlock(in, parsed.ambient);
    takeBlock(in, parsed.gasTsDiagram);
    takeBlock(in, parsed.steamTsDiagram);
    return in.ok();
}

[[nodiscard]] bool isTimeFactor(double factor) {
    return factor == 1.0 || factor == 3600.0;
}

// The first value that no saved project holds, named for the user; empty when there is none.
// Such a value is finite and passes the blocks' own checks, but would be shown or computed
// with as if it were right: flows times 7 under "per hour".
[[nodiscard]] std::string_view impossibleField(const ProjectInputs& in) {
    const auto& percentages = in.gasAnalysis.percentages;
    if (std::all_of(percentages.begin(), percentages.end(), [](double p) { return p == 0.0; })) {
        return "gas analysis without components";
    }
    using processes::GasFlowProcess;
    using processes::GasThermalProcess;
    using processes::SteamFlowProcess;
    using processes::SteamThermalProcess;
    const auto timeFactors = std::to_array<std::pair<double, std::string_view>>({
        {in.gasThermalProcess.values[GasThermalProcess::kTimeFactor],
         "time factor of the gas thermal process (1 or 3600)"},
        {in.gasFlowProcess.values[GasFlowProcess::kInTimeFactor],
         "time factor of the gas flow (1 or 3600)"},
        {in.steamThermalProcess.values[SteamThermalProcess::kTimeFactor],
         "time factor of the steam thermal process (1 or 3600)"},
        {in.steamFlowProcess.values[SteamFlowProcess::kInTimeFactor],
         "time factor of the steam flow (1 or 3600)"},
    });
    for (const auto& [factor, field] : timeFactors) {
        if (!isTimeFactor(factor)) {
            return field;
        }
    }
    return {};
}

}  // namespace

ProjectInputs projectInputs(const ModuleObjects& objects) {
    return {gas::makeRecord(objects.gasAnalysis),
            objects.gasState1.inputs(),
            objects.gasState2.inputs(),
            objects.gasThermalProcess.inputs(),
            objects.gasFlowProcess.inputs(),
            objects.steamState1.inputs(),
            objects.steamState2.inputs(),
            objects.steamThermalProcess.inputs(),
            objects.steamFlowProcess.inputs(),
            objects.ambient.inputs(),
            objects.gasTsDiagram,
            objects.steamTsDiagram};
}

void restoreProjectInputs(const ProjectInputs& inputs, ModuleObjects& objects) {
    gas::applyRecord(inputs.gasAnalysis, objects.gasAnalysis);
    objects.gasState1.restoreInputs(inputs.gasState1);
    objects.gasState2.restoreInputs(inputs.gasState2);
    objects.gasThermalProcess.restoreInputs(inputs.gasThermalProcess);
    objects.gasFlowProcess.restoreInputs(inputs.gasFlowProcess);
    objects.steamState1.restoreInputs(inputs.steamState1);
    objects.steamState2.restoreInputs(inputs.steamState2);
    objects.steamThermalProcess.restoreInputs(inputs.steamThermalProcess);
    objects.steamFlowProcess.restoreInputs(inputs.steamFlowProcess);
    objects.ambient.restoreInputs(inputs.ambient);
    objects.gasTsDiagram = inputs.gasTsDiagram;
    objects.steamTsDiagram = inputs.steamTsDiagram;
}

std::vector<std::uint8_t> projectBytes(const ModuleObjects& objects) {
    const ProjectInputs inputs = projectInputs(objects);
    file::BinaryWriter out;
    out.u32(kProjectMagic);
    out.u8(kProjectVersion);
    gas::writeRecord(objects.gasAnalysis, out, true);
    appendBlock(inputs.gasState1, out);
    appendBlock(inputs.gasState2, out);
    appendBlock(inputs.gasThermalProcess, out);
    appendBlock(inputs.gasFlowProcess, out);
    appendBlock(inputs.steamState1, out);
    appendBlock(inputs.steamState2, out);
    appendBlock(inputs.steamThermalProcess, out);
    appendBlock(inputs.steamFlowProcess, out);
    appendBlock(inputs.ambient, out);
    appendBlock(inputs.gasTsDiagram, out);
    appendBlock(inputs.steamTsDiagram, out);
    return out.bytes();
}

ProjectLoad parseProject(std::span<const std::uint8_t> bytes, ProjectInputs& inputs) {
    file::BinaryReader in(bytes.first(std::min(bytes.size(), kProjectFileSize)));
    // Only a file that carries the magic is ours; its version byte then tells whether a later
    // program wrote a layout this one does not know.
    if (in.u32() != kProjectMagic || !in.ok()) {
        return {ProjectResult::kNotProjectFile};
    }
    if (static_cast<std::int8_t>(in.u8()) > static_cast<std::int8_t>(kProjectVersion)) {
        return {ProjectResult::kNewerVersion};
    }
    ProjectInputs parsed = inputs;
    if (bytes.size() < kMinimumFileSize ||
        gas::readRecord(in, true, parsed.gasAnalysis) != gas::GasFileResult::kOk ||
        !readModuleBlocks(in, parsed)) {
        return {ProjectResult::kInvalidFileType};
    }
    if (const std::string_view field = impossibleField(parsed); !field.empty()) {
        return {ProjectResult::kImpossibleValue, field};
    }
    inputs = parsed;
    return {};
}

ProjectLoad readProjectBytes(std::span<const std::uint8_t> bytes, ModuleObjects& objects) {
    ProjectInputs inputs = projectInputs(objects);
    const ProjectLoad load = parseProject(bytes, inputs);
    if (load == ProjectResult::kOk) {
        restoreProjectInputs(inputs, objects);
    }
    return load;
}

ProjectLoad readProjectFile(const std::filesystem::path& path, ModuleObjects& objects) {
    file::ReadFailure failure = file::ReadFailure::kNone;
    const auto bytes = file::readFileStart(path, kProjectFileSize, failure);
    return bytes ? readProjectBytes(*bytes, objects)
                 : ProjectLoad{file::resultOfReadFailure<ProjectResult>(failure)};
}

file::WriteOutcome writeProjectFile(const std::filesystem::path& path,
                                    const ModuleObjects& objects) {
    const std::vector<std::uint8_t> bytes = projectBytes(objects);
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file::writeFileSafely(path, view);
}

}  // namespace vaporis::project
