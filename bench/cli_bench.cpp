// Command-line benchmarks: the whole vaporis-cli process on a batch of 200,000 random steam
// states (p from 0.01 to 1000 bar, t from 0 to 800 °C), by the number of jobs.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <benchmark/benchmark.h>
#include <sys/wait.h>

namespace {

constexpr int kRows = 200000;

std::string batchInput() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "vaporis_bench_steam_200k.csv";
    if (!std::filesystem::exists(path)) {
        std::mt19937 random(20261207);
        std::uniform_real_distribution<double> logP(-2.0, 3.0);
        std::uniform_real_distribution<double> t(0.0, 800.0);
        std::ofstream out(path);
        out << "p,t\n";
        for (int i = 0; i < kRows; ++i) {
            out << std::pow(10.0, logP(random)) << ',' << t(random) << '\n';
        }
    }
    return path.string();
}

void steamBatchBench(benchmark::State& state) {
    const std::string command = std::string(VAPORIS_CLI_PATH) + " steam --batch --jobs " +
                                std::to_string(state.range(0)) + " < " + batchInput() +
                                " > /dev/null";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 3)) {
            state.SkipWithError("vaporis-cli failed");
            break;
        }
    }
    state.counters["rows"] =
        benchmark::Counter(static_cast<double>(kRows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

}  // namespace

// Arg: the number of jobs.
BENCHMARK(steamBatchBench)
    ->Name("cli/steamBatch/200k")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
