#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/gas/gas_analysis.h"

namespace vaporis::test {

//! Draws the arguments of one call: NaN, infinities, zero, negatives, 1e300, a boundary of the
//! domain or one ulp beside it, or a value in or around the usual range. Remembers what it drew
//! for the current call, so a failure names its inputs.
class HostileInputs {
public:
    explicit HostileInputs(std::uint64_t seed);

    //! A hostile value for an argument whose usual range is [lo, hi].
    double draw(double lo, double hi);
    //! An integer in [lo - 2, hi + 2], beside the valid ones a few invalid.
    int drawInt(int lo, int hi);
    bool coin() { return (engine_() & 1U) != 0; }
    //! An index below n, not recorded.
    std::size_t pick(std::size_t n) { return engine_() % n; }
    void startCall(const std::string& name);
    [[nodiscard]] std::string describe() const { return *name_ + drawn_; }

    //! Records a failure of the current call when valid holds and a value is not finite.
    void expectFinite(bool valid, std::initializer_list<double> values) {
        expectFinite(valid, std::span<const double>(values.begin(), values.size()));
    }
    void expectFinite(bool valid, std::span<const double> values);
    //! Per call: how many failures, and the first one.
    [[nodiscard]] const std::map<std::string, std::pair<int, std::string>>& failures() const {
        return failures_;
    }

private:
    std::mt19937_64 engine_;
    std::vector<double> limits_;
    const std::string* name_ = nullptr;
    std::string drawn_;
    std::map<std::string, std::pair<int, std::string>> failures_;
};

//! One public function called with hostile arguments; weight is its share of the calls.
struct HostileCall {
    std::string name;
    std::function<void(HostileInputs&)> run;
    double weight = 1.0;
};

//! One call per function of functions, made by call(function, inputs).
template <typename Function, std::size_t N, typename Call>
void addEach(std::vector<HostileCall>& calls, const char* group,
             const std::array<Function, N>& functions, Call call) {
    for (std::size_t i = 0; i < N; ++i) {
        calls.push_back({group + (" #" + std::to_string(i)),
                         [f = functions[i], call](HostileInputs& in) { call(f, in); }});
    }
}

//! The seeds of a hostile run: VAPORIS_HOSTILE_SEED alone when it is set, else a few fixed
//! seeds and one drawn anew each run.
[[nodiscard]] std::vector<std::uint64_t> hostileSeeds();

//! Runs the suite's share of the calls (VAPORIS_HOSTILE_CALLS, 1000000 if unset, split over
//! `shares` suites and then over the seeds), printing each seed with its count. A call that
//! runs longer than VAPORIS_HOSTILE_CALL_SECONDS (30 s) aborts the run with its name and
//! inputs (SIGALRM); failures name their seed and are reported through GoogleTest.
void runHostileCalls(const std::vector<HostileCall>& calls, int shares);

//! The number in environment variable name, or fallback when it is not set.
[[nodiscard]] double environmentNumber(const char* name, double fallback);

//! One of a few analyses: dry air, a humid flue gas, pure water vapour, helium, a hydrogen
//! mixture, and one without components.
[[nodiscard]] const gas::GasAnalysis& hostileAnalysis(HostileInputs& inputs);

}  // namespace vaporis::test
