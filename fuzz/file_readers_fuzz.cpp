// Feeds arbitrary bytes to the project and gas-analysis readers, and computes every module from
// a project they accept: no input may crash, hang or touch memory it does not own.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/module_objects.h"
#include "app/project_file.h"
#include "engine/gas/gas_analysis_file.h"

namespace {

using vaporis::app::ModuleObjects;

void calculateEveryModule(ModuleObjects& objects) {
    objects.steamState1.calculate();
    (void)objects.steamThermalProcess.calculate();
    (void)objects.steamFlowProcess.calculate();
    objects.gasState1.calculate();
    (void)objects.gasThermalProcess.calculate();
    (void)objects.gasFlowProcess.calculate();
    (void)objects.ambient.calculate();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    vaporis::gas::GasAnalysis analysis;
    (void)vaporis::gas::readGasBytes(analysis, bytes);
    ModuleObjects objects;
    if (vaporis::app::readProjectBytes(bytes, objects) == vaporis::app::ProjectResult::kOk) {
        calculateEveryModule(objects);
    }
    return 0;
}
