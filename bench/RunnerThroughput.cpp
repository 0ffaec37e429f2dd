#include <benchmark/benchmark.h>

#include <memory>

#include "Workloads.h"
#include "cli/Runner.h"
#include "motion/exact/DecimalReading.h"
#include "render/RasterCanvas.h"

namespace {

using tarvo::render::RasterCanvas;

// The three views drawn for real, at the window's size.
struct Canvases {
    RasterCanvas linez{tarvo::views::drawingBackground, 481};
    RasterCanvas linep{tarvo::views::drawingBackground, 481};
    RasterCanvas liner{tarvo::views::magnifiedBackground, 481};
};

// The pocket program at a pulse equivalent of 0.01 mm: well over a million
// steps, about a million of them recorded below the surface.
void runPocket(benchmark::State& state, bool drawing) {
    const std::string program = tarvo::bench::pocketProgram(static_cast<int>(state.range(0)));
    tarvo::interp::Parameters parameters;
    parameters.dl = tarvo::motion::readDecimal("0.01");
    std::uint64_t ticks = 0;
    std::size_t steps = 0;
    for (auto _ : state) {
        auto canvases = drawing ? std::make_unique<Canvases>() : nullptr;
        auto runner =
            drawing ? std::make_unique<tarvo::cli::Runner>(
                          parameters, tarvo::views::ViewCanvases{canvases->linez, canvases->linep,
                                                                 canvases->liner})
                    : std::make_unique<tarvo::cli::Runner>(parameters);
        if (runner->run(program, UINT64_MAX, nullptr) != tarvo::cli::End::EndOfText) {
            state.SkipWithError("the program did not run to its end");
        }
        ticks = runner->machine().timer1Ticks() + runner->machine().timer2Ticks();
        steps = runner->machine().timer2Ticks() / 2;
        benchmark::DoNotOptimize(ticks);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["ticks_per_second"] =
        benchmark::Counter(static_cast<double>(ticks) * runs, benchmark::Counter::kIsRate);
    state.counters["steps_per_second"] =
        benchmark::Counter(static_cast<double>(steps) * runs, benchmark::Counter::kIsRate);
}

// Timer ticks per second through the headless runner, no trace, no drawing.
void runnerThroughput(benchmark::State& state) {
    runPocket(state, false);
}

// Steps per second with every step drawn into the three raster canvases.
void runnerDrawing(benchmark::State& state) {
    runPocket(state, true);
}

}  // namespace

BENCHMARK(runnerThroughput)->Arg(130)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(runnerDrawing)->Arg(130)->Unit(benchmark::kMillisecond)->MinTime(2.0);
