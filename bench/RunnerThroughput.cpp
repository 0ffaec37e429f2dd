#include <benchmark/benchmark.h>

#include "Workloads.h"
#include "cli/Runner.h"

namespace {

// Timer ticks per second through the headless runner, no trace, on a program
// of well over a million steps at a pulse equivalent of 0.01 mm.
void runnerThroughput(benchmark::State& state) {
    const std::string program = tarvo::bench::pocketProgram(static_cast<int>(state.range(0)));
    tarvo::interp::Parameters parameters;
    parameters.dl = 0.01;
    std::uint64_t ticks = 0;
    std::size_t recorded = 0;
    for (auto _ : state) {
        tarvo::cli::Runner runner(parameters);
        const auto end = runner.run(program, UINT64_MAX, nullptr);
        if (end != tarvo::cli::End::EndOfText) state.SkipWithError("the program did not run to its end");
        ticks = runner.machine().timer1Ticks() + runner.machine().timer2Ticks();
        recorded = runner.machine().path().pathUpper();
        benchmark::DoNotOptimize(ticks);
    }
    state.counters["ticks"] = static_cast<double>(ticks);
    state.counters["steps_recorded"] = static_cast<double>(recorded);
    state.counters["ticks_per_second"] = benchmark::Counter(
        static_cast<double>(ticks) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(runnerThroughput)->Arg(130)->Unit(benchmark::kMillisecond)->MinTime(2.0);
