#include <benchmark/benchmark.h>

#include <cmath>

#include "motion/StoredPath.h"
#include "render/RasterCanvas.h"
#include "views/MagnifiedView.h"

namespace {

// A cut of a million recorded points: a spiral groove 1 mm deep filling the
// magnified view, with a wall edge every thousand points.
tarvo::motion::StoredPath spiralCut(int points) {
    tarvo::motion::StoredPath path;
    for (int i = 0; i < points; ++i) {
        const double t = i * 0.0005;
        const double r = 20 + 200 * i / static_cast<double>(points);
        const double x = 250 + r * std::cos(t), y = 250 + r * std::sin(t);
        path.recordStep(x, y, -10);
        if (i % 1000 == 999) path.recordWall(x, y, -10);
    }
    return path;
}

// One redraw of the magnified view on screen, 500 × 500 pixels, every point replayed.
void magnifiedRedraw(benchmark::State& state) {
    tarvo::motion::StoredPath path = spiralCut(static_cast<int>(state.range(0)));
    tarvo::render::RasterCanvas liner(tarvo::views::magnifiedBackground, 500);
    liner.setVisible(true);
    tarvo::views::MagnifiedView view(liner);
    view.rstep = 1;
    for (auto _ : state) {
        view.drawnew(path, 1);
        benchmark::DoNotOptimize(liner.image().constBits());
    }
}

// One drag event: the transform of every replayed entry, then the redraw.
void magnifiedDrag(benchmark::State& state) {
    tarvo::motion::StoredPath path = spiralCut(static_cast<int>(state.range(1)));
    tarvo::render::RasterCanvas liner(tarvo::views::magnifiedBackground, 500);
    liner.setVisible(true);
    tarvo::views::MagnifiedView view(liner);
    view.rstep = 1;
    view.rmode = static_cast<tarvo::views::DragMode>(state.range(0));
    float x = 0;
    for (auto _ : state) {
        view.pointerMoved(path, tarvo::views::Buttons::LeftAlone, x, 0, 1);
        x = x == 0 ? 0.01f : 0;
        benchmark::DoNotOptimize(liner.image().constBits());
    }
}

}  // namespace

// Memory the stored path takes per recorded point (path and surface lists
// together), as the lists have grown while a cut was recorded, and once a
// drag has made the surface move on its own.
void recordingMemory(benchmark::State& state) {
    for (auto _ : state) {
        tarvo::motion::StoredPath path = spiralCut(static_cast<int>(state.range(0)));
        const auto perPoint = [&path] {
            return static_cast<double>(path.cutBytes()) / static_cast<double>(path.pathUpper());
        };
        state.counters["bytes_per_point"] = perPoint();
        path.keepSurface();
        state.counters["after_drag"] = perPoint();
    }
}

BENCHMARK(recordingMemory)
    ->Arg(1'000'000)
    ->Arg(700'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(magnifiedRedraw)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(magnifiedDrag)->Args({1, 1'000'000})->Args({2, 1'000'000})->Unit(benchmark::kMillisecond);
