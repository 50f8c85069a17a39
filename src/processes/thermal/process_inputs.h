#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/common/not_set.h"
#include "engine/file/binary_io.h"

namespace vaporis::processes {

//! The inputs of a thermal process as a project file keeps them: the process type, the flow
//! typed last (one of Flows), the input slots and whether each was set.
template <std::size_t N, std::uint8_t Flows>
struct ThermalProcessInputs {
    int type = 0;
    int lastFlowInput = 0;
    std::array<double, N> values{};
    std::array<bool, N> set{};

    bool operator==(const ThermalProcessInputs&) const = default;
};

//! Appends inputs as a project block's fields: type u8, last flow u8, N f64, N flags.
template <std::size_t N, std::uint8_t Flows>
void writeBlock(const ThermalProcessInputs<N, Flows>& inputs, file::BinaryWriter& out) {
    out.u8(static_cast<std::uint8_t>(inputs.type));
    out.u8(static_cast<std::uint8_t>(inputs.lastFlowInput));
    for (const double value : inputs.values) {
        out.f64(value);
    }
    for (const bool set : inputs.set) {
        out.flag(set);
    }
}

//! Reads those fields; an unknown type or flow, a flag other than 0/1 or a non-finite number
//! fails the reader.
template <std::size_t N, std::uint8_t Flows>
void readBlock(file::BinaryReader& in, ThermalProcessInputs<N, Flows>& inputs) {
    constexpr std::uint8_t kProcessTypes = 3;
    inputs.type = in.choice(kProcessTypes);
    inputs.lastFlowInput = in.choice(Flows);
    for (double& value : inputs.values) {
        value = in.finiteF64();
    }
    for (auto&& set : inputs.set) {
        set = in.flag();
    }
}

//! The inputs of a flow process as a project file keeps them: which flow was given (one of
//! Flows), what is solved for, the natural draft switch (gases only) and the input slots.
template <std::size_t N, std::uint8_t Flows, bool WithFreeFlow>
struct FlowProcessInputs {
    std::uint8_t flowInputKind = 0;
    std::uint8_t solveMode = 0;
    bool freeFlow = false;
    std::array<double, N> values{};

    bool operator==(const FlowProcessInputs&) const = default;
};

//! Appends inputs as a project block's fields: flow kind u8, solve mode u8, with free flow
//! its flag, N f64.
template <std::size_t N, std::uint8_t Flows, bool WithFreeFlow>
void writeBlock(const FlowProcessInputs<N, Flows, WithFreeFlow>& inputs, file::BinaryWriter& out) {
    out.u8(inputs.flowInputKind);
    out.u8(inputs.solveMode);
    if (WithFreeFlow) {
        out.flag(inputs.freeFlow);
    }
    for (const double value : inputs.values) {
        out.f64(value);
    }
}

//! Reads those fields; an unknown flow kind or solve mode, a flag other than 0/1 or a
//! non-finite number fails the reader.
template <std::size_t N, std::uint8_t Flows, bool WithFreeFlow>
void readBlock(file::BinaryReader& in, FlowProcessInputs<N, Flows, WithFreeFlow>& inputs) {
    constexpr std::uint8_t kSolveModes = 3;
    inputs.flowInputKind = in.choice(Flows);
    inputs.solveMode = in.choice(kSolveModes);
    inputs.freeFlow = WithFreeFlow && in.flag();
    for (double& value : inputs.values) {
        value = in.finiteF64();
    }
}

namespace detail {

//! After a load: each of the first inputs that holds a value, times the time factor input,
//! becomes its flow result shown[i]; the others keep theirs.
template <std::size_t N, std::size_t Flows, std::size_t M>
void showStoredFlows(const std::array<double, N>& inputs, int timeFactor,
                     const std::array<int, Flows>& shown, std::array<double, M>& results) {
    static_assert(Flows < N);
    for (std::size_t i = 0; i < Flows; ++i) {
        if (inputs[i] != NOT_SET) {
            results.at(static_cast<std::size_t>(shown[i])) =
                inputs[i] * inputs[static_cast<std::size_t>(timeFactor)];
        }
    }
}

}  // namespace detail
}  // namespace vaporis::processes
