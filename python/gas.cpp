#include "python/gas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <pybind11/stl.h>

#include "cli/command_batch.h"
#include "cli/command_error.h"
#include "cli/gas_analysis_option.h"
#include "cli/gas_condensing.h"
#include "cli/gas_result.h"
#include "cli/text_table.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "output/catalogue/gas_properties.h"
#include "output/format/number_text.h"
#include "output/messages/gas_messages.h"
#include "output/messages/messages.h"
#include "python/arrays.h"
#include "python/gas_file.h"
#include "python/units.h"

namespace vaporis::python {

namespace {

using gas::GasAnalysis;

// "N2=72,CO2=12" from a dict of percentages by label; a text is taken as such a spec.
std::string spec(const char* name, const py::object& percentages) {
    if (percentages.is_none() || py::isinstance<py::str>(percentages)) {
        return percentages.is_none() ? std::string() : percentages.cast<std::string>();
    }
    if (!py::isinstance<py::dict>(percentages)) {
        throw Error(std::string(name) + ": a dict of percentages by formula, as {\"N2\": 79}");
    }
    std::string text;
    for (const auto& [label, value] : percentages.cast<py::dict>()) {
        if (!py::isinstance<py::str>(label) ||
            !(py::isinstance<py::float_>(value) || py::isinstance<py::int_>(value))) {
            throw Error(std::string(name) + ": a dict of percentages by formula, as {\"N2\": 79}");
        }
        text += (text.empty() ? "" : ",") + label.cast<std::string>() + "=" +
                output::formatShortest(value.cast<double>());
    }
    return text;
}

// Runs fn while the command line's notes are collected; they become Python warnings and its
// argument errors vaporis.Error.
template <typename Fn>
auto withNotes(Fn fn) {
    std::string notes;
    auto result = [&] {
        const cli::OutputCapture capture;
        try {
            auto value = fn();
            notes = cli::messageOf(capture.err);
            return value;
        } catch (const cli::ArgumentError& error) {
            throw Error(error.what());
        }
    }();
    warn(notes);
    return result;
}

GasAnalysis makeAnalysis(const py::object& vol, const py::object& mass, const py::object& file) {
    cli::GasAnalysisOptions options;
    options.volumeSpec = spec("vol", vol);
    options.massSpec = spec("mass", mass);
    options.analysisFile = file.is_none() ? std::string() : py::str(file).cast<std::string>();
    const int given = int{!options.volumeSpec.empty() || !vol.is_none()} +
                      int{!options.massSpec.empty() || !mass.is_none()} + int{!file.is_none()};
    if (given > 1) {
        throw Error("GasAnalysis: give at most one of vol, mass and file");
    }
    return withNotes([&options] { return cli::analysisFromOptions(options); });
}

py::dict percentages(const GasAnalysis& analysis, bool volume) {
    py::dict values;
    for (int i = 0; i < gas::kComponentCount; ++i) {
        if (analysis.massFraction(i) > 0.0) {
            values[py::str(cli::componentLabel(i))] =
                100.0 * (volume ? analysis.volumeFraction(i) : analysis.massFraction(i));
        }
    }
    return values;
}

void applied(gas::EditResult result, output::MessageId badInput) {
    if (result != gas::EditResult::EditOk) {
        throw Error(std::string(output::messageText(output::editFailureMessage(result, badInput))));
    }
}

void mix(GasAnalysis& analysis, const GasAnalysis& other, double amount, const std::string& basis) {
    if (basis != "mass" && basis != "vol") {
        throw Error("mix: basis is \"mass\" or \"vol\"");
    }
    applied(basis == "vol" ? analysis.mixVolume(other, amount) : analysis.mixMass(other, amount),
            output::MessageId::kCheckValue);
}

void write(const GasAnalysis& analysis, const py::object& path) {
    writeAnalysis(analysis, py::str(path));
}

// The arrays of a gas state call.
struct GasArrays {
    double* t;
    std::int32_t* status;
    std::vector<double*> properties;
    double* condensing[3] = {nullptr, nullptr, nullptr};
    std::int32_t* condensingStatus[3] = {nullptr, nullptr, nullptr};
};

constexpr const char* kCondensingKeys[3] = {"h", "s", "condensate"};

GasArrays gasArrays(Results& results, bool condensation) {
    GasArrays a{results.values("", "t"), results.statuses("", "status"), {}};
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        a.properties.push_back(results.values("", std::string(output::gasProperty(k).key)));
    }
    for (int i = 0; condensation && i < 3; ++i) {
        a.condensing[i] = results.values("condensing", kCondensingKeys[i]);
        a.condensingStatus[i] = results.statuses("condensingStatus", kCondensingKeys[i]);
    }
    return a;
}

void storeGas(const cli::GasResult& r, GasArrays& a, std::size_t at) {
    a.t[at] = valueOrNan(r.state.temperature(), r.temperatureKnown);
    a.status[at] = r.status;
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        a.properties[static_cast<std::size_t>(k)][at] =
            valueOrNan(r.state.property(k), cli::gasPropertyShown(r, k));
    }
}

void storeCondensing(const cli::CondensingState& c, GasArrays& a, std::size_t at) {
    const double values[3] = {c.h, c.s, c.condensate};
    const int statuses[3] = {c.hStatus, c.sStatus, c.condensateStatus};
    for (std::size_t i = 0; i < 3; ++i) {
        a.condensing[i][at] = valueOrNan(values[i], gas::isValidStatus(statuses[i]));
        a.condensingStatus[i][at] = statuses[i];
    }
}

// The refusal or note of one state, as `vaporis-cli gas` gives it.
struct Verdict {
    bool failed;
    std::string message;
};

Verdict verdict(const GasAnalysis& analysis, double p, cli::CondensingInput input, double value,
                bool condensation) {
    if (condensation) {
        const cli::CondensingResult r = cli::computeCondensing(analysis, input, p, value);
        return {r.failed, r.message};
    }
    const cli::GasResult r = cli::computeGas(analysis, input, p, value);
    return {!r.valid, r.message};
}

// The entries of every value a gas state returns, for their units.
const std::vector<const output::PropertyEntry*>& gasEntries() {
    static const std::vector<const output::PropertyEntry*> entries =
        entryList({&output::kGasPressureEntry, &output::kGasTemperatureEntry},
                  {output::kGasPropertyCatalogue});
    return entries;
}

py::dict state(const GasAnalysis& given, const py::object& p, const py::object& t,
               const py::object& h, const py::object& s, bool condensation,
               const py::object& unitChoice) {
    const CallUnits units(unitChoice);
    using output::ReportUnit;
    const Inputs in({{"p", units.written("p", p, ReportUnit::kBar)},
                     {"t", units.written("t", t, ReportUnit::kCelsius)},
                     {"h", units.written("h", h, ReportUnit::kKilojoulePerKilogram)},
                     {"s", units.written("s", s, ReportUnit::kKilojoulePerKilogramKelvin)}});
    const int count = int{in.given(1)} + int{in.given(2)} + int{in.given(3)};
    if (!in.given(0) || count != 1 || (in.given(3) && !condensation)) {
        throw Error("state: give p and one of t, h (or s with condensation=True)");
    }
    const auto input = in.given(1) ? cli::kGivenT : (in.given(2) ? cli::kGivenH : cli::kGivenS);
    const double* pressures = in.values(0);
    const double* values = in.values(input + 1);
    const GasAnalysis analysis = given;
    if (in.scalar()) {
        const Verdict v = verdict(analysis, *pressures, input, *values, condensation);
        if (v.failed) {
            throw Error(v.message);
        }
        if (!output::gasPressureRefusal(*pressures) && output::gasPressureDeviates(*pressures)) {
            warn(std::string(output::kGasPressureWarningText));
        }
        warn(v.message);
    }
    Results results(in);
    double* pOut = results.values("", "p");
    GasArrays arrays = gasArrays(results, condensation);
    {
        const py::gil_scoped_release release;
        for (std::size_t i = 0; i < static_cast<std::size_t>(in.size()); ++i) {
            pOut[i] = pressures[i];
            if (condensation) {
                const cli::CondensingResult r =
                    cli::computeCondensing(analysis, input, pressures[i], values[i]);
                storeGas(r.gas, arrays, i);
                storeCondensing(r.condensing, arrays, i);
            } else {
                storeGas(cli::computeGas(analysis, input, pressures[i], values[i]), arrays, i);
            }
        }
    }
    py::dict dict = results.take();
    units.show(dict, gasEntries());
    return dict;
}

constexpr const char* kStateDoc = R"(The gas at p and one of t, h or s.

    p  absolute pressure [bar]
    t  temperature [°C]
    h  specific enthalpy [kJ/kg] (with condensation: of gas and condensate)
    s  specific entropy [kJ/(kg K)], with condensation=True only
Numbers or NumPy arrays, broadcast against each other, or texts carrying their unit; units=
chooses the units of numbers given and of values returned, as for vaporis.steam.

Returns a dict: p, t [°C] (given or found), "status" (0 valid, the gas status otherwise) and
the 25 properties by the gas table's keys: h [kJ/kg], v [m³/kg], rho, rhoN [kg/m³],
s, cp, cpm, cv [kJ/(kg K)], w [m/s], eta [1e-6 Pa s], nu [1e-6 m²/s], lambda [W/(m K)],
a [1e-6 m²/s], kappa, Pr [-], beta [1/K], chi [1/bar], hTotal, hFormation [kJ/kg],
dewPoint [°C], the H2O content at saturation, the oxygen and air demand [m³/m³] and the
heating values Ho, Hu [MJ/m³]. With condensation=True a gas below its dew point is taken as
gas plus condensate: "condensing" holds its h [kJ/kg], s [kJ/(kg K)] and condensate [kg water
per kg gas], "condensingStatus" their statuses; t is then found from h or s with the
condensate.

A value that is not valid is NaN. For numbers, a refused state raises vaporis.Error with the
program's message and its notes come as warnings; for arrays, a failed point is NaN with its
status.)";

}  // namespace

void addGas(py::module_& m) {
    py::class_<GasAnalysis>(m, "GasAnalysis", R"(A gas mixture of up to 24 components.

GasAnalysis(vol={"N2": 72, "CO2": 12, "H2O": 10, "O2": 6}) by volume percentages [%],
GasAnalysis(mass={...}) by mass percentages, GasAnalysis(file="flue.gas") from a .gas file,
GasAnalysis() 100 % dry air. Keys are the component formulas ("air" for dry air); the
percentages of a spec text "N2=79,O2=21" may be given instead of a dict. Percentages that do
not add up to 100 are scaled, with a warning.)")
        .def(py::init(&makeAnalysis), py::kw_only(), py::arg("vol") = py::none(),
             py::arg("mass") = py::none(), py::arg("file") = py::none())
        .def_property_readonly(
            "vol", [](const GasAnalysis& a) { return percentages(a, true); },
            "Volume percentages [%] by formula, components present only")
        .def_property_readonly(
            "mass", [](const GasAnalysis& a) { return percentages(a, false); },
            "Mass percentages [%] by formula, components present only")
        .def_property_readonly("molar_mass", &GasAnalysis::molarMass, "Molar mass [kg/kmol]")
        .def_property_readonly("gas_constant", &GasAnalysis::gasConstantJ,
                               "Specific gas constant [J/(kg K)]")
        .def_property_readonly("normal_volume", &GasAnalysis::normalVolume,
                               "Specific volume at 0 °C and 1.01325 bar [m³/kg]")
        .def_property(
            "basis", [](const GasAnalysis& a) { return a.isVolumeBasis() ? "vol" : "mass"; },
            [](GasAnalysis& a, const std::string& basis) {
                if (basis != "vol" && basis != "mass") {
                    throw Error("basis: \"vol\" or \"mass\"");
                }
                if ((basis == "vol") != a.isVolumeBasis()) {
                    a.setVolumeBasis(basis == "vol");
                    a.rescale();
                }
            },
            "The basis the percentages are entered in: \"vol\" or \"mass\"; setting it keeps the "
            "composition")
        .def(
            "humidify",
            [](GasAnalysis& a, double p, double t, double phi) {
                applied(a.humidify(p, t, phi), output::MessageId::kCheckPressureTemperatureValue);
            },
            "Replaces the water vapour by that of relative humidity phi [%] at p [bar] and t "
            "[°C]; the dry components keep their ratios.",
            py::arg("p"), py::arg("t"), py::arg("phi"))
        .def("dry", &GasAnalysis::dry, "Removes all water vapour.")
        .def("rescale", &GasAnalysis::rescale, "Scales the entered percentages to a sum of 100 %.")
        .def("mix", &mix,
             "Mixes 1 kg (basis=\"mass\") or 1 m³ (basis=\"vol\") of this gas with amount kg or "
             "m³ of other.",
             py::arg("other"), py::arg("amount"), py::arg("basis") = "mass")
        .def("write", &write,
             "Writes the analysis to a .gas file (safely: a failed write keeps "
             "the old file).",
             py::arg("path"))
        .def("state", &state, kStateDoc, py::kw_only(), py::arg("p"), py::arg("t") = py::none(),
             py::arg("h") = py::none(), py::arg("s") = py::none(), py::arg("condensation") = false,
             py::arg("units") = py::none())
        .def("__repr__", [](const GasAnalysis& a) {
            return "GasAnalysis(vol=" + std::string(py::repr(percentages(a, true))) + ")";
        });
}

}  // namespace vaporis::python
