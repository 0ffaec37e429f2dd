#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "words/Catalogue.h"

namespace tarvo::motion {

// The textbook methods count in whole pulses: the pulse equivalent is the
// unit, so a point is a pair of pulse counts. Coordinates stay within
// ±10⁹ pulses, so every product of two of them fits 64 bits.
struct PulsePoint {
    std::int64_t x = 0, y = 0;
    friend bool operator==(const PulsePoint&, const PulsePoint&) = default;
};

// Refuses, with its message in the spoken language, a point beyond ±10⁹ pulses.
inline void requireWithinReach(PulsePoint p) {
    constexpr std::int64_t reach = 1'000'000'000;
    if (p.x < -reach || p.x > reach || p.y < -reach || p.y > reach) {
        throw std::invalid_argument(std::string(words::say("坐标超出 ±1000000000 脉冲")));
    }
}

// What one iteration fed: per axis +1 or −1 pulse, or 0.
struct PulseFeed {
    std::int8_t x = 0, y = 0;
    friend bool operator==(const PulseFeed&, const PulseFeed&) = default;
};

// One iteration of point-by-point comparison (逐点比较法) in its four
// beats: 偏差判别 (the deviation F judged), 坐标进给 (the feed), 偏差计算
// (the new F) and 终点判别 (the end counter Σ after the feed).
struct ComparisonStep {
    std::int64_t number = 0;  // from 1
    PulsePoint point;         // before the feed: a line's from its start, an arc's from its centre
    std::int64_t f = 0;       // the deviation judged
    PulseFeed feed;
    std::int64_t fAfter = 0;  // the new deviation
    std::int64_t sigma = 0;   // Σ, pulses still to feed
    friend bool operator==(const ComparisonStep&, const ComparisonStep&) = default;
};

// One iteration of digital integration (数字积分法, DDA) in its four beats:
// each remainder register (余数寄存器 J_R) adds its integrand (被积函数
// J_V); a sum reaching the capacity 2^N overflows (溢出), keeps the rest and
// feeds a pulse; an arc's integrands follow the feeds; then the end counters
// (终点计数器 Σ).
struct IntegrationStep {
    std::int64_t number = 0;  // from 1
    PulsePoint point;         // before the feed: a line's from its start, an arc's from its centre
    std::int64_t capacity = 0;        // 2^N, where a register overflows
    std::int64_t jvx = 0, jvy = 0;    // the integrands added this iteration
    std::int64_t jrx = 0, jry = 0;    // the remainders as the iteration found them
    bool addsX = true, addsY = true;  // false while an arc's axis waits, its remainder held
    bool overflowX = false, overflowY = false;
    std::int64_t jrxAfter = 0, jryAfter = 0;  // the remainders it left
    PulseFeed feed;
    // The end counters after the iteration: an arc's pulses still to feed
    // per axis; a line's iterations still to make, the same in both.
    std::int64_t sigmaX = 0, sigmaY = 0;
    friend bool operator==(const IntegrationStep&, const IntegrationStep&) = default;
};

}  // namespace tarvo::motion
