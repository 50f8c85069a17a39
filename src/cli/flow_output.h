#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace vaporis::processes {
class GasFlowProcess;
class SteamFlowProcess;
}  // namespace vaporis::processes

namespace vaporis::cli {

//! One result slot of a flow process as the command prints it.
struct FlowLine {
    const char* key;                 //!< JSON key
    const char* label;               //!< text table label
    const char* unit;                //!< per second for the flows
    int slot;                        //!< processes::FlowResult
    const char* hourUnit = nullptr;  //!< the flows' unit per hour
};

//! The result lines in output order.
[[nodiscard]] const std::vector<FlowLine>& steamFlowLines();
[[nodiscard]] const std::vector<FlowLine>& gasFlowLines();

//! The JSON keys beside "status" and "results", for --help.
inline constexpr const char* kSteamFlowJsonKeys =
    "density, viscosity, sonicVelocity, velocity, width, equivalentDiameter, warnings [texts]";
inline constexpr const char* kGasFlowJsonKeys =
    "density, viscosity, sonicVelocity, velocity, width, equivalentDiameter, molarMass, "
    "gasConstant, ambient {as the ambient command, null without a draft}";

//! A calculated flow as one JSON object or as a text table.
[[nodiscard]] nlohmann::ordered_json steamFlowJson(const processes::SteamFlowProcess& process);
[[nodiscard]] std::string steamFlowTable(const processes::SteamFlowProcess& process);
[[nodiscard]] nlohmann::ordered_json gasFlowJson(const processes::GasFlowProcess& process);
[[nodiscard]] std::string gasFlowTable(const processes::GasFlowProcess& process);

}  // namespace vaporis::cli
