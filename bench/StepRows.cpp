#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "Workloads.h"
#include "cli/Runner.h"
#include "cli/StepWriter.h"
#include "motion/exact/DecimalReading.h"

namespace {

// Takes the rows and keeps nothing, so that only their making is timed,
// not the disk.
class Discard : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Counts the rows the writer is told of.
struct RowCount : tarvo::motion::StepObserver {
    std::uint64_t rows = 0;
    void interpolated(const tarvo::motion::StepRecord&, const tarvo::motion::Segment&) override {
        ++rows;
    }
    void skipped(const tarvo::motion::Segment&) override { ++rows; }
};

// The runner's --steps rows of the pocket program at 0.01 mm, the machine's
// own methods: rows a second of the whole run, the machine's ticks included.
void stepRows(benchmark::State& state) {
    const std::string program = tarvo::bench::pocketProgram(static_cast<int>(state.range(0)));
    tarvo::interp::Parameters parameters;
    parameters.dl = tarvo::motion::readDecimal("0.01");
    Discard discard;
    std::ostream out(&discard);
    std::uint64_t rows = 0;
    for (auto _ : state) {
        tarvo::cli::Runner runner(parameters);
        tarvo::cli::StepWriter writer(out, runner.machine());
        RowCount count;
        runner.machine().addStepObserver(&writer);
        runner.machine().addStepObserver(&count);
        if (runner.run(program, UINT64_MAX, nullptr) != tarvo::cli::End::EndOfText) {
            state.SkipWithError("the program did not run to its end");
        }
        writer.flush();
        rows = count.rows;
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(stepRows)->Arg(130)->Unit(benchmark::kMillisecond)->MinTime(2.0);
