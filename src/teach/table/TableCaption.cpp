#include "teach/table/TableCaption.h"

#include <bit>
#include <cstdint>
#include <optional>
#include <variant>

#include "motion/Overloaded.h"
#include "motion/exact/NumberText.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"
#include "words/Catalogue.h"

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
    const bool half = table.halfLoaded(table.endSerial() - 1);
    return words::fill("{1} N = {2} 位",
                       {half ? words::say(" 半加载") : std::string_view(), std::to_string(bits)});
}

}  // namespace

std::string tableCaption(const StepTable& table) {
    if (table.empty()) return std::string(words::say("运行程序后，这里逐步列出插补过程"));
    const motion::StepRecord r = table.newest();
    const std::string size =
        r.method == motion::Method::Integration ? registerSize(table, r) : std::string();
    return words::fill(
        "{1}：第{2}行 {3} {4}{5}，第{6}步；表中共{7}行",
        {interpolationText(r.interpolation), std::to_string(r.line), modeText(r.gmode),
         methodText(r.method), size, std::to_string(r.number), std::to_string(table.size())});
}

}  // namespace tarvo::teach
