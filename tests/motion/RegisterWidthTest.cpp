#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <utility>

#include "motion/PulseStepper.h"
#include "motion/RegisterWidth.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

TARVO_TABLE_SUITE(RegisterWidth, "register-width.tsv");

// The row's figure with the row's registers: "line Xe Ye" or "arc R".
PulseStepper::Stepper stepperOf(const test::TableRow& row) {
    std::istringstream figure(row["figure"]);
    std::string kind;
    std::int64_t a = 0, b = 0;
    figure >> kind >> a >> b;
    const bool half = row["half"] == "1";
    const int chosen = row.as<int>("chosen");
    if (kind == "arc") {
        return IntegrationArc(PulseArc({a, 0}, {0, a}, false), half, chosen);
    }
    return IntegrationLine({a, b}, half, chosen);
}

struct Walk {
    std::vector<double> overflowX, overflowY;
    std::int64_t iterations = 0;
};

Walk walked(PulseStepper stepper) {
    Walk w;
    while (!stepper.finished()) {
        const auto step = std::get<IntegrationStep>(stepper.next());
        ++w.iterations;
        if (step.overflowX) w.overflowX.push_back(static_cast<double>(step.number));
        if (step.overflowY) w.overflowY.push_back(static_cast<double>(step.number));
    }
    return w;
}

// N and 2^N of a DDA stepper; 0 for another method's.
std::pair<int, std::int64_t> registersOf(const PulseStepper::Stepper& stepper) {
    return std::visit(
        [](const auto& s) -> std::pair<int, std::int64_t> {
            if constexpr (requires { s.capacity(); }) {
                return {bitsOfCapacity(s.capacity()), s.capacity()};
            }
            return {0, 0};
        },
        stepper);
}

TEST_P(RegisterWidth, GivesTheTextbooksCapacityAndOverflows) {
    if (!row()["message"].empty()) {
        try {
            stepperOf(row());
            ADD_FAILURE() << "a width of " << row()["chosen"] << " bits was taken";
        } catch (const std::invalid_argument& refused) {
            EXPECT_EQ(refused.what(), row()["message"]);
        }
        return;
    }
    const PulseStepper::Stepper figure = stepperOf(row());
    const PulseStepper stepper(figure);
    const auto [bits, capacity] = registersOf(figure);
    EXPECT_EQ(bits, row().as<int>("bits"));
    EXPECT_EQ(static_cast<double>(capacity), row().number("capacity"));
    if (!stepper.finished()) {
        // The registers start empty, or half full.
        const auto first = std::get<IntegrationStep>(PulseStepper(stepper).next());
        const std::int64_t start = row()["half"] == "1" ? capacity / 2 : 0;
        EXPECT_EQ(first.capacity, capacity);
        EXPECT_EQ(first.jrx, start);
        EXPECT_EQ(first.jry, start);
    }
    if (row()["iterations"].empty()) return;
    const Walk w = walked(stepper);
    EXPECT_EQ(static_cast<double>(w.iterations), row().number("iterations"));
    EXPECT_EQ(w.overflowX, row().numbers("overflowX"));
    EXPECT_EQ(w.overflowY, row().numbers("overflowY"));
}

}  // namespace
}  // namespace tarvo::motion
