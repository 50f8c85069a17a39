#include "python/steam.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/water_properties.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "output/messages/steam_table_messages.h"
#include "processes/module_rules.h"
#include "python/arrays.h"
#include "python/units.h"

namespace vaporis::python {

namespace {

using water::WaterSteamState;

// The inputs a call may give, in the order of Inputs.
enum SteamInput : std::size_t { kP, kT, kX, kH };
constexpr int kModePH = 3;

// Where one property row lands: values and statuses by catalogue key.
struct RowArrays {
    std::vector<double*> values;
    std::vector<std::int32_t*> statuses;
};

RowArrays rowArrays(Results& results, const std::string& group, const std::string& statusGroup,
                    int count, const output::PropertyEntry& (*entry)(int)) {
    RowArrays row;
    for (int i = 0; i < count; ++i) {
        const std::string key(entry(i).key);
        row.values.push_back(results.values(group, key));
        row.statuses.push_back(results.statuses(statusGroup, key));
    }
    return row;
}

// Every array of a steam call, made while the GIL is held.
struct SteamArrays {
    double* p;
    double* t;
    double* x;
    std::int32_t* inputStatus;
    std::int32_t* iterationStatus;  // p + h only
    RowArrays state;
    RowArrays saturation;
    std::optional<RowArrays> liquid;
    std::optional<RowArrays> vapor;
};

SteamArrays steamArrays(Results& results, int mode, bool saturated) {
    SteamArrays a{
        results.values("", "p"),
        results.values("", "t"),
        results.values("", "x"),
        results.statuses("", "inputStatus"),
        mode == kModePH ? results.statuses("", "iterationStatus") : nullptr,
        rowArrays(results, "", "status", water::kPropertyCount, output::waterProperty),
        rowArrays(results, "", "status", water::kSaturationCount, output::saturationEntry),
        std::nullopt,
        std::nullopt};
    if (saturated) {
        a.liquid = rowArrays(results, "liquid", "liquidStatus", water::kPropertyCount,
                             output::waterProperty);
        a.vapor = rowArrays(results, "vapor", "vaporStatus", water::kPropertyCount,
                            output::waterProperty);
    }
    return a;
}

template <typename Value, typename Status>
void storeRow(RowArrays& row, std::size_t at, int count, Value value, Status status) {
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int code = status(i);
        row.values[k][at] = valueOrNan(value(i), code == water::kOk);
        row.statuses[k][at] = code;
    }
}

void store(const WaterSteamState& s, SteamArrays& a, std::size_t at) {
    const bool computed = s.inputStatus() == water::kInputOk;
    const int mode = s.mode();
    a.p[at] = valueOrNan(s.pressure(), mode != water::kModeTX || computed);
    a.t[at] = valueOrNan(s.temperature(), mode != water::kModePX || computed);
    a.x[at] = valueOrNan(s.quality(), mode != water::kModePT);
    a.inputStatus[at] = s.inputStatus();
    storeRow(
        a.state, at, water::kPropertyCount, [&s](int i) { return s.stateValue(i); },
        [&s](int i) { return s.stateStatus(i); });
    storeRow(
        a.saturation, at, water::kSaturationCount, [&s](int i) { return s.saturationValue(i); },
        [&s](int i) { return s.saturationStatus(i); });
    if (a.liquid) {
        storeRow(
            *a.liquid, at, water::kPropertyCount, [&s](int i) { return s.liquidValue(i); },
            [&s](int i) { return s.liquidStatus(i); });
        storeRow(
            *a.vapor, at, water::kPropertyCount, [&s](int i) { return s.vaporValue(i); },
            [&s](int i) { return s.vaporStatus(i); });
    }
}

void calculate(WaterSteamState& state, bool saturated) {
    if (saturated) {
        state.calculate();
    } else {
        state.calculateState();
    }
}

// The state at p and h: t from the enthalpy iteration, or p and x for wet steam; a state
// without inputs when the iteration fails.
WaterSteamState stateFromPH(double p, double h, int& iterationStatus, bool saturated) {
    const output::EnthalpyIteration found = output::enthalpyIteration(p, h);
    iterationStatus = found.status;
    if (!found.valid()) {
        return {};
    }
    WaterSteamState state = found.twoPhase() ? WaterSteamState(water::kModePX, p, NOT_SET, found.x)
                                             : WaterSteamState(water::kModePT, p, found.t, NOT_SET);
    calculate(state, saturated);
    return state;
}

WaterSteamState stateAt(int mode, double a, double b, bool saturated) {
    WaterSteamState state = mode == water::kModePT   ? WaterSteamState(mode, a, b, NOT_SET)
                            : mode == water::kModePX ? WaterSteamState(mode, a, NOT_SET, b)
                                                     : WaterSteamState(mode, NOT_SET, a, b);
    calculate(state, saturated);
    return state;
}

struct ModeInputs {
    int mode;
    std::size_t first;
    std::size_t second;
};

ModeInputs modeInputs(const Inputs& in) {
    const bool p = in.given(kP);
    const bool t = in.given(kT);
    const bool x = in.given(kX);
    const bool h = in.given(kH);
    const int count = int{p} + int{t} + int{x} + int{h};
    if (count == 2 && p && t) {
        return {water::kModePT, kP, kT};
    }
    if (count == 2 && p && x) {
        return {water::kModePX, kP, kX};
    }
    if (count == 2 && t && x) {
        return {water::kModeTX, kT, kX};
    }
    if (count == 2 && p && h) {
        return {kModePH, kP, kH};
    }
    throw Error("steam: give p and t, p and x, t and x, or p and h");
}

// The program's message for a single state that cannot be computed; empty when it can.
std::string refusalText(int mode, double a, double b) {
    if (mode == kModePH) {
        const output::EnthalpyIteration found = output::enthalpyIteration(a, b);
        return found.valid()
                   ? std::string()
                   : output::iterationMessage(output::iterationFailureMessage(found.status));
    }
    const WaterSteamState state = stateAt(mode, a, b, false);
    const processes::RuleAnswer refusal =
        processes::checkSteamState(state, processes::MarkerMeaning::kNumber);
    return refusal ? std::string(output::messageText(output::refusalMessage(*refusal)))
                   : std::string();
}

// The entries of every value a steam state returns, for their units.
const std::vector<const output::PropertyEntry*>& steamEntries() {
    static const std::vector<const output::PropertyEntry*> entries =
        entryList({&output::kWaterPressureEntry, &output::kWaterTemperatureEntry},
                  {output::kWaterPropertyCatalogue, output::kSaturationCatalogue});
    return entries;
}

py::dict steam(const py::object& p, const py::object& t, const py::object& x, const py::object& h,
               const py::object& saturatedRows, const py::object& unitChoice) {
    const CallUnits units(unitChoice);
    const Inputs in({{"p", units.written("p", p, output::ReportUnit::kBar)},
                     {"t", units.written("t", t, output::ReportUnit::kCelsius)},
                     {"x", x},
                     {"h", units.written("h", h, output::ReportUnit::kKilojoulePerKilogram)}});
    const ModeInputs mode = modeInputs(in);
    const double* first = in.values(mode.first);
    const double* second = in.values(mode.second);
    if (in.scalar()) {
        if (const std::string text = refusalText(mode.mode, *first, *second); !text.empty()) {
            throw Error(text);
        }
    }
    const bool saturated = saturatedRows.is_none() ? in.scalar() : saturatedRows.cast<bool>();
    Results results(in);
    SteamArrays arrays = steamArrays(results, mode.mode, saturated);
    {
        const py::gil_scoped_release release;
        const auto size = static_cast<std::size_t>(in.size());
        for (std::size_t i = 0; i < size; ++i) {
            if (mode.mode == kModePH) {
                int status = 0;
                store(stateFromPH(first[i], second[i], status, saturated), arrays, i);
                arrays.iterationStatus[i] = status;
            } else {
                store(stateAt(mode.mode, first[i], second[i], saturated), arrays, i);
            }
        }
    }
    py::dict dict = results.take();
    units.show(dict, steamEntries());
    dict["mode"] = mode.mode;
    return dict;
}

constexpr const char* kSteamDoc = R"(Water or steam after IAPWS-IF97 from two of its inputs.

Give p and t, p and x, t and x, or p and h:
    p  absolute pressure [bar]
    t  temperature [°C]
    x  steam quality [-], 0 boiling liquid to 1 saturated vapour
    h  specific enthalpy [kJ/kg]; t (or the boiling temperature and x) is found first
Numbers or NumPy arrays, broadcast against each other, or texts carrying their unit
("725.189 psia", "5 barg", "752 F"). units= chooses the units of numbers given and of every
value returned: a preset "written" (the default, as above), "si-mpa" or "us", or a dict
{"p": "psig", "t": "F"} of quantity to unit.

Returns a dict by the steam table's keys: p, t, x, the state's h [kJ/kg], v [m³/kg],
rho [kg/m³], s [kJ/(kg K)], cp, cv [kJ/(kg K)], w [m/s], eta [1e-6 Pa s], nu [1e-6 m²/s],
lambda [W/(m K)], a [1e-6 m²/s], kappa, Pr [-], beta [1/K], chi [1/bar], the saturation
values ps [bar], ts [°C], sigma [1e-3 N/m]; "status" holds each value's status code (0 valid),
"inputStatus" that of the inputs (0 usable), "iterationStatus" that of the enthalpy
iteration (p and h only), "mode" 0 p+t, 1 p+x, 2 t+x, 3 p+h. With saturated=True, also
"liquid" and "vapor" (the saturated rows at the pressure) and their "liquidStatus",
"vaporStatus"; the default is True for numbers and False for arrays (a grid then computes
only its states).

A value that is not valid is NaN. For numbers, inputs the program refuses raise
vaporis.Error with its message; for arrays, a failed point is NaN with its status and the
others are computed.)";

}  // namespace

void addSteam(py::module_& m) {
    m.def("steam", &steam, kSteamDoc, py::kw_only(), py::arg("p") = py::none(),
          py::arg("t") = py::none(), py::arg("x") = py::none(), py::arg("h") = py::none(),
          py::arg("saturated") = py::none(), py::arg("units") = py::none());
}

}  // namespace vaporis::python
