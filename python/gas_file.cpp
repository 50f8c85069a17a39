#include "python/gas_file.h"

#include "cli/output_options.h"
#include "engine/gas/gas_analysis_file.h"
#include "python/arrays.h"

namespace vaporis::python {

void writeAnalysis(const gas::GasAnalysis& analysis, const std::string& path) {
    if (const file::WriteOutcome outcome = gas::writeGasFile(analysis, path); !outcome) {
        throw Error(cli::notWritten(path, outcome).what());
    }
}

}  // namespace vaporis::python
