#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "app/module_objects.h"
#include "engine/file/safe_write.h"
#include "engine/gas/gas_analysis_file.h"

namespace vaporis::app {

//! What a project file operation achieved.
enum class ProjectResult : int {
    kOk,
    kFileNotFound,     //!< the file cannot be opened for reading
    kInvalidFileType,  //!< not a project file, truncated, or holding unusable values
    kNewerVersion,     //!< written by a newer version of the program
};

//! Bytes of a project file: the header and twelve blocks of 1000 bytes.
inline constexpr std::size_t kProjectBlockSize = 1000;
inline constexpr std::size_t kProjectFileSize = 5 + 12 * kProjectBlockSize;
//! First four bytes of a project file (little-endian 200482) and its version byte.
inline constexpr std::uint32_t kProjectMagic = 200482;
inline constexpr std::uint8_t kProjectVersion = 1;

//! The inputs of every module object as a project file keeps them, in file order.
struct ProjectInputs {
    gas::GasAnalysisRecord gasAnalysis;
    gas::GasStateInputs gasState1;
    gas::GasStateInputs gasState2;
    processes::GasThermalProcess::Inputs gasThermalProcess;
    processes::GasFlowProcess::Inputs gasFlowProcess;
    water::WaterSteamInputs steamState1;
    water::WaterSteamInputs steamState2;
    processes::SteamThermalProcess::Inputs steamThermalProcess;
    processes::SteamFlowProcess::Inputs steamFlowProcess;
    processes::AmbientData::Inputs ambient{};
    ui::TsDiagramSettings gasTsDiagram;
    ui::TsDiagramSettings steamTsDiagram;

    bool operator==(const ProjectInputs&) const = default;
};

//! The inputs of the module objects.
[[nodiscard]] ProjectInputs projectInputs(const ModuleObjects& objects);
//! Puts inputs into the objects: the analysis is recomputed from its percentages and each
//! process shows its stored flows; every other result stays until the next calculation.
void restoreProjectInputs(const ProjectInputs& inputs, ModuleObjects& objects);

//! The bytes of the project file of the objects (always 12005).
[[nodiscard]] std::vector<std::uint8_t> projectBytes(const ModuleObjects& objects);
//! Reads the bytes of a project file into inputs; anything but kOk leaves inputs unchanged.
[[nodiscard]] ProjectResult parseProject(std::span<const std::uint8_t> bytes,
                                         ProjectInputs& inputs);
//! Reads the bytes of a project file into the objects; anything but kOk changes nothing.
[[nodiscard]] ProjectResult readProjectBytes(std::span<const std::uint8_t> bytes,
                                             ModuleObjects& objects);

//! Reads a project file into the objects; anything but kOk changes nothing.
[[nodiscard]] ProjectResult readProjectFile(const std::filesystem::path& path,
                                            ModuleObjects& objects);
//! Writes the project file of the objects safely: a temporary file in the same folder renamed
//! over path. Does not ask before overwriting.
file::WriteOutcome writeProjectFile(const std::filesystem::path& path,
                                    const ModuleObjects& objects);

}  // namespace vaporis::app
