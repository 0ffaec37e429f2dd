#include "teach/table/StepCsvRows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <variant>

#include "motion/Overloaded.h"
#include "motion/RegisterWidth.h"
#include "motion/exact/NumberText.h"
#include "teach/table/PulseText.h"
#include "teach/table/StepText.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

// A row has 31 cells; none of its numbers takes more than numberTextRoom.
constexpr std::size_t numberCells = 32;

char* put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Which of a comma and a quote the bytes from `first` to `end` hold, eight
// at a time: a byte of a word equal to b leaves a zero byte in word ^ b…b,
// whose borrow sets its high bit. The row's room goes on past `end`, so the
// last word is read whole and the bytes beyond the text masked to zero,
// which match neither.
struct Quoting {
    bool comma = false, quote = false;
};

Quoting quotingOf(const char* first, const char* end) {
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t ones = 0x0101010101010101U, highs = 0x8080808080808080U;
    constexpr std::uint64_t commas = ones * ',', quotes = ones * '"';
    std::uint64_t comma = 0, quote = 0;
    for (const char* at = first; at < end; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, sizeof word);
        const auto left = static_cast<std::size_t>(end - at);
        if (left < 8) word &= (std::uint64_t{1} << (8 * left)) - 1;
        const std::uint64_t c = word ^ commas, q = word ^ quotes;
        comma |= (c - ones) & ~c;
        quote |= (q - ones) & ~q;
    }
    return {(comma & highs) != 0, (quote & highs) != 0};
}

// A text made with the ASCII minus, quoted when it holds a comma or a
// quote, its quotes doubled; then the comma that ends the cell. It is
// copied first and looked at where it landed: a text with a comma moves
// up one byte between its quotes, the rare one with a quote is written
// again, its quotes doubled.
char* putField(char* at, std::string_view text) {
    char* end = put(at, text);
    const Quoting quoting = quotingOf(at, end);
    if (quoting.quote) {
        end = at;
        *end++ = '"';
        for (const char c : text) {
            if (c == '"') *end++ = '"';
            *end++ = c;
        }
        *end++ = '"';
    } else if (quoting.comma) {
        std::memmove(at + 1, at, text.size());
        *at = '"';
        end = at + text.size() + 1;
        *end++ = '"';
    }
    *end = ',';
    return end + 1;
}

// A text that holds no comma, quote or typographic minus, and its comma.
char* putCell(char* at, std::string_view text) {
    at = put(at, text);
    *at = ',';
    return at + 1;
}

char* putWhole(char* at, std::int64_t value) {
    at = motion::writeWholeText(at, value);
    *at = ',';
    return at + 1;
}

template <typename Exact>
char* putExact(char* at, Exact value) {
    at = motion::writeExactText(at, value);
    *at = ',';
    return at + 1;
}

// The last value a cell held and its text, ready to be copied.
template <typename Value>
struct Repeated {
    Value value{};
    std::array<char, motion::numberTextRoom> text{};
    std::size_t length = 0;  // nothing written yet
};

template <typename Value>
char* writeNumber(char* at, Value value) {
    if constexpr (std::is_same_v<Value, std::int64_t>) {
        return motion::writeWholeText(at, value);
    } else {
        return motion::writeExactText(at, value);
    }
}

// The value's text and its comma; the row has numberTextRoom for it, so the
// whole of the kept text is copied at once, without a call.
template <typename Value>
char* putRepeated(char* at, Value value, Repeated<Value>& cell) {
    if (cell.length == 0 || !(cell.value == value)) {
        cell.value = value;
        cell.length =
            static_cast<std::size_t>(writeNumber(cell.text.data(), value) - cell.text.data());
    }
    std::memcpy(at, cell.text.data(), cell.text.size());
    at += cell.length;
    *at = ',';
    return at + 1;
}

}  // namespace

struct StepCsvRows::RepeatedCells {
    Repeated<motion::Decimal> regmax, jrx, jry, pz, zcur;
    Repeated<motion::Squared> fm;
    Repeated<std::int64_t> jrz, capacity, pulseJrx, pulseJry, pulseF;

    // A textbook iteration's registers in pulses: a DDA's remainders, a
    // comparison's deviation.
    char* putPulseCells(char* at, const motion::StepRecord& record, bool after) {
        return std::visit(
            Overloaded{[&](const ComparisonStep& c) {
                           return putRepeated(put(at, ",,,"), after ? c.fAfter : c.f, pulseF);
                       },
                       [&](const IntegrationStep& s) {
                           char* end = putRepeated(at, after ? s.jrxAfter : s.jrx, pulseJrx);
                           end = putRepeated(end, after ? s.jryAfter : s.jry, pulseJry);
                           return put(end, ",,");
                       }},
            *record.pulses);
    }

    // A textbook DDA's capacity 2^N; empty for the other rows.
    char* putCapacityCell(char* at, const motion::StepRecord& record) {
        const auto* s = std::get_if<IntegrationStep>(&*record.pulses);
        return s ? putRepeated(at, s->capacity, capacity) : put(at, ",");
    }

    // The machine's registers, exactly. The remainder registers belong to
    // straight moves, the deviation to arcs; the other method's cells stay
    // empty.
    char* putRegisterCells(char* at, const motion::StepRecord& record, const motion::Registers& r) {
        if (record.method == motion::Method::Integration) {
            at = putRepeated(at, r.jrx, jrx);
            at = putRepeated(at, r.jry, jry);
            at = putRepeated(at, r.jrz, jrz);
            return put(at, ",");
        }
        return putRepeated(put(at, ",,,"), r.fm, fm);
    }
};

namespace {

// The width N of a textbook DDA's registers, the row's last cell; empty for
// the other rows.
char* putBitsCell(char* at, const motion::StepRecord& record) {
    const auto* s = record.pulses ? std::get_if<IntegrationStep>(&*record.pulses) : nullptr;
    return s ? motion::writeWholeText(at, motion::bitsOfCapacity(s->capacity)) : at;
}

}  // namespace

StepCsvRows::StepCsvRows() : repeated_(std::make_unique<RepeatedCells>()) {}

StepCsvRows::~StepCsvRows() = default;

char* StepCsvRows::roomForRow() {
    std::size_t texts = 0;
    for (const std::string* text :
         {&texts_.feed, &texts_.judgement, &texts_.calculation, &texts_.distance, &decision_}) {
        texts += 2 * text->size() + 3;  // every byte a quote, doubled, within quotes
    }
    for (const std::string* text :
         {&texts_.x, &texts_.y, &texts_.z, &texts_.deviation, &texts_.sigmaCell}) {
        texts += text->size() + 1;
    }
    constexpr std::size_t words = 32;  // "integration,", "G02," and the empty cells' commas
    const std::size_t room = numberCells * motion::numberTextRoom + texts + words;
    if (bytes_.size() - size_ < room) bytes_.resize(std::max(2 * bytes_.size(), size_ + room));
    return bytes_.data() + size_;
}

void StepCsvRows::add(const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    const bool line = r.method == motion::Method::Integration;
    rowTexts(step, texts_, asciiMinus);
    decision_.clear();
    appendDecisionText(decision_, r);
    char* at = roomForRow();
    at = putWhole(at, r.line);
    at = putWhole(at, static_cast<std::int64_t>(r.number));
    at = put(at, line ? "integration," : "comparison,");
    at = putCell(at, modeText(r.gmode));
    at = putField(at, texts_.feed);
    // The point, F and Σ are written with ASCII minus already, and hold no comma.
    for (const std::string* cell :
         {&texts_.x, &texts_.y, &texts_.z, &texts_.deviation, &texts_.sigmaCell}) {
        at = putCell(at, *cell);
    }
    at = putField(at, texts_.judgement);
    at = putField(at, texts_.calculation);
    at = putField(at, texts_.distance);
    RepeatedCells& repeated = *repeated_;
    if (r.pulses) {
        at = repeated.putCapacityCell(at, r);
        at = repeated.putPulseCells(at, r, false);
    } else {
        at = line ? putRepeated(at, r.regmax, repeated.regmax) : put(at, ",");
        at = repeated.putRegisterCells(at, r, r.before);
    }
    at = putExact(at, r.before.px);
    at = putExact(at, r.before.py);
    at = putRepeated(at, r.before.pz, repeated.pz);
    at = putField(at, decision_);
    at = r.pulses ? repeated.putPulseCells(at, r, true) : repeated.putRegisterCells(at, r, r.after);
    at = putExact(at, r.point.x);
    at = putExact(at, r.point.y);
    at = putRepeated(at, r.point.z, repeated.zcur);
    at = putExact(at, r.distance());
    at = putBitsCell(at, r);
    *at++ = '\n';
    size_ = static_cast<std::size_t>(at - bytes_.data());
}

}  // namespace tarvo::teach
