#include "teach/table/TableCaption.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <variant>

#include "motion/Overloaded.h"
#include "motion/exact/NumberText.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"

namespace tarvo::teach {

namespace {

// What sizes the registers of an integration row: N is read from the
// capacity 2^N the stepper worked with.
std::string registerSize(const StepTable& table, const motion::StepRecord& r) {
    if (!r.pulses) return " regmax=" + motion::exactText(r.regmax);
    const std::optional<std::int64_t> capacity =
        std::visit(motion::Overloaded{
                       [](const motion::ComparisonStep&) { return std::optional<std::int64_t>(); },
                       [](const motion::IntegrationStep& s) {
                           return std::optional<std::int64_t>(s.capacity);
                       }},
                   *r.pulses);
    if (!capacity) return {};
    const int bits = std::countr_zero(static_cast<std::uint64_t>(*capacity));
    return std::string(table.halfLoaded(table.endSerial() - 1) ? " 半加载" : "") +
           " N = " + std::to_string(bits) + " 位";
}

}  // namespace

std::string tableCaption(const StepTable& table) {
    if (table.empty()) return "运行程序后，这里逐步列出插补过程";
    const motion::StepRecord r = table.newest();
    std::string text = std::string(interpolationText(r.interpolation)) + "：第" +
                       std::to_string(r.line) + "行 " + std::string(modeText(r.gmode)) + " " +
                       std::string(methodText(r.method));
    if (r.method == motion::Method::Integration) text += registerSize(table, r);
    return text + "，第" + std::to_string(r.number) + "步；表中共" + std::to_string(table.size()) +
           "行";
}

}  // namespace tarvo::teach
