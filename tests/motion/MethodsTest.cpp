#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/Methods.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

Interpolation interpolationNamed(const std::string& name) {
    if (name == "comparison") return Interpolation::Comparison;
    if (name == "integration") return Interpolation::Integration;
    EXPECT_EQ(name, "machine");
    return Interpolation::Machine;
}

Method kindNamed(const std::string& name) {
    EXPECT_TRUE(name == "comparison" || name == "integration") << name;
    return name == "comparison" ? Method::Comparison : Method::Integration;
}

// The list holds the table's methods, no other, in the table's order.
TEST(Methods, ListsEveryMethodOnceInTheMenusOrder) {
    std::vector<std::string> listed, tabled;
    for (const MethodEntry& entry : methods()) listed.emplace_back(entry.key);
    for (const test::TableRow& row : test::loadTable("methods.tsv")) tabled.push_back(row["key"]);
    EXPECT_EQ(listed, tabled);
}

TARVO_TABLE_SUITE(MethodTable, "methods.tsv");

// Named one way everywhere; what the settings stored and a script typed reads back as the same
// method; an exercise on one kind of step names the textbook method that steps lines and arcs
// alike with it, never the machine's pairing of the two.
TEST_P(MethodTable, NamesTheMethodOneWayEverywhere) {
    const Interpolation interpolation = interpolationNamed(row()["interpolation"]);
    const MethodEntry& entry = methodEntry(interpolation);
    EXPECT_EQ(
        std::tuple(entry.interpolation, entry.key, methodOfKey(row()["key"]), entry.caption,
                   entry.line, entry.arc, entry.wholePulses),
        std::tuple(interpolation, row()["key"], std::optional(interpolation), row()["caption"],
                   kindNamed(row()["line"]), kindNamed(row()["arc"]), row()["pulses"] == "1"));
    for (const Method kind : {Method::Comparison, Method::Integration}) {
        const bool practised = entry.wholePulses && kind == entry.line;
        EXPECT_EQ(textbookMethod(kind).caption == row()["caption"], practised);
    }
}

TARVO_TABLE_SUITE(RefusedKey, "method-keys-refused.tsv");

TEST_P(RefusedKey, NamesNoMethod) {
    EXPECT_EQ(methodOfKey(row()["key"]), std::nullopt);
}

}  // namespace
}  // namespace tarvo::motion
