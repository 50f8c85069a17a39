#include "python/gas_file.h"

#include "engine/gas/gas_analysis_file.h"
#include "python/arrays.h"
#include "ui/gas_analysis_actions.h"

namespace vaporis::python {

void writeAnalysis(const gas::GasAnalysis& analysis, const std::string& path) {
    if (const file::WriteOutcome outcome = gas::writeGasFile(analysis, path); !outcome) {
        throw Error(std::string(ui::kGasFileNotWrittenText) + " " + outcome.failure());
    }
}

}  // namespace vaporis::python
