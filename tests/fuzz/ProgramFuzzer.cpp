// Arbitrary bytes as parameters and program to a bounded run, drawn, recorded, panned and turned.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "interp/Panel.h"
#include "render/RasterCanvas.h"
#include "support/Programs.h"

namespace {

constexpr std::size_t headerBytes = 8;
constexpr std::uint64_t tickBudget = 20000;

// Mostly usual pulse equivalents; the last slot reads the text of a raw double
// to reach the refusals (too fine, too large, no number at all).
tarvo::motion::DecimalReading pulseEquivalent(const std::uint8_t* header) {
    static constexpr const char* usual[] = {"0.001", "0.01", "0.1", "0.25", "0.8",
                                            "1",     "2.5",  "10",  "100"};
    const std::size_t choice = header[0] % (std::size(usual) + 1);
    if (choice < std::size(usual)) return tarvo::motion::readDecimal(usual[choice]);
    double raw = 0;
    std::memcpy(&raw, header, sizeof raw);
    return tarvo::test::readingOf(raw);
}

tarvo::interp::Parameters parameters(const std::uint8_t* header) {
    using tarvo::motion::Decimal;
    tarvo::interp::Parameters p;
    p.dl = pulseEquivalent(header);
    p.bei = static_cast<std::int16_t>(header[1] % 8 == 0 ? header[2] - 4 : 1 + header[1] % 8);
    p.g54x = Decimal(header[3] - 128);
    p.g54y = Decimal::fromUnits(header[4] * (Decimal::one / 3));
    p.g54z = Decimal(-header[5]);
    return p;
}

float coordinate(std::uint8_t byte) {
    return static_cast<float>(byte) - 64.0f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < headerBytes) return 0;
    tarvo::interp::SilentPanel panel;
    tarvo::render::RasterCanvas linez(tarvo::views::drawingBackground, 64);
    tarvo::render::RasterCanvas linep(tarvo::views::drawingBackground, 64);
    tarvo::render::RasterCanvas liner(tarvo::views::magnifiedBackground, 64);
    tarvo::interp::Machine machine(panel, {linez, linep, liner});
    const std::string program(reinterpret_cast<const char*>(data + headerBytes),
                              size - headerBytes);

    machine.run(program, parameters(data));
    tarvo::interp::ClockDriver clock(machine);
    clock.runToEnd(tickBudget / 2);
    if (data[6] & 1) {  // a pause, a resume and maybe a restart on the way
        machine.pause();
        machine.run(program, parameters(data));
        if (data[6] & 2) machine.run(program, parameters(data));
    }
    clock.runToEnd(tickBudget / 2);
    machine.stop();

    data[7] & 1 ? machine.rotmode() : machine.panmode();
    using tarvo::views::Buttons;
    machine.pointerMoved(Buttons::None, coordinate(data[6]), coordinate(data[7]));
    machine.pointerMoved(Buttons::LeftAlone, coordinate(data[7]), coordinate(data[6]));
    machine.pointerMoved(Buttons::LeftAlone, coordinate(data[5]), coordinate(data[4]));
    return 0;
}
