#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "engine/file/safe_write.h"
#include "engine/gas/gas_analysis_file.h"
#include "project/module_objects.h"

namespace vaporis::project {

//! What reading a project file achieved.
enum class ProjectResult : int {
    kOk,
    kFileNotFound,     //!< no file of that name
    kFileUnreadable,   //!< no permission to read the file, or a read error
    kLinkLoop,         //!< the path loops through symbolic links
    kNotRegularFile,   //!< a folder, device, FIFO or socket
    kNotProjectFile,   //!< its first bytes are not a project file's magic number
    kInvalidFileType,  //!< a project file, but truncated or holding unusable values
    kImpossibleValue,  //!< a finite value no project holds; ProjectLoad::field names it
    kNewerVersion,     //!< a project file of a higher version: written by a newer program
};

//! What reading a project file achieved and, for kImpossibleValue, the field at fault.
struct ProjectLoad {
    ProjectLoad() = default;
    //! A result, and the field at fault for kImpossibleValue.
    ProjectLoad(ProjectResult value, std::string_view at = {})  // implicit: a result is a load
        : result(value), field(at) {}

    ProjectResult result = ProjectResult::kOk;
    std::string_view field;  //!< "time factor of the steam flow (1 or 3600)"; else empty

    bool operator==(ProjectResult other) const { return result == other; }
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
    output::TsDiagramSettings gasTsDiagram;
    output::TsDiagramSettings steamTsDiagram;

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
[[nodiscard]] ProjectLoad parseProject(std::span<const std::uint8_t> bytes, ProjectInputs& inputs);
//! Reads the bytes of a project file into the objects; anything but kOk changes nothing.
[[nodiscard]] ProjectLoad readProjectBytes(std::span<const std::uint8_t> bytes,
                                           ModuleObjects& objects);

//! Reads a project file into the objects; anything but kOk changes nothing.
[[nodiscard]] ProjectLoad readProjectFile(const std::filesystem::path& path,
                                          ModuleObjects& objects);
//! Writes the project file of the objects safely: a temporary file in the same folder renamed
//! over path. Does not ask before overwriting.
file::WriteOutcome writeProjectFile(const std::filesystem::path& path,
                                    const ModuleObjects& objects);

}  // namespace vaporis::project
