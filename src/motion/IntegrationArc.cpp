#include "motion/IntegrationArc.h"

#include <cstdlib>

#include "motion/RegisterWidth.h"

namespace tarvo::motion {

namespace {

std::int8_t towards(std::int64_t from, std::int64_t to) {
    return static_cast<std::int8_t>((from < to) - (to < from));
}

// How a feed of ±1 from c changes |c|: away from the centre by one more, towards it by one less.
std::int64_t growth(std::int64_t c, std::int8_t feed) {
    if (feed == 0) return 0;
    return c == 0 || (c > 0) == (feed > 0) ? 1 : -1;
}

}  // namespace

IntegrationArc::IntegrationArc(const PulseArc& arc, bool halfLoad, int bits)
    : arc_(arc),
      point_(arc.start()),
      bits_(registerBits(arc.reach(), bits)),
      jvx_(std::llabs(arc.start().y)),
      jvy_(std::llabs(arc.start().x)),
      sigmaX_(arc.travel().x),
      sigmaY_(arc.travel().y) {
    jrx_ = jry_ = halfLoad ? capacity() / 2 : 0;
}

PulsePoint IntegrationArc::pieceEnd() {
    const auto& ends = arc_.quarterEnds();
    while (piece_ + 1 < ends.size() && point_ == ends[piece_]) ++piece_;
    return ends[piece_];
}

IntegrationStep IntegrationArc::next() {
    const PulsePoint to = pieceEnd();
    IntegrationStep step;
    step.number = ++number_;
    step.point = point_;
    step.capacity = capacity();
    step.jvx = jvx_;
    step.jvy = jvy_;
    step.jrx = jrx_;
    step.jry = jry_;
    // An axis at the end of the piece stops adding, its remainder held.
    step.addsX = point_.x != to.x;
    step.addsY = point_.y != to.y;
    if (step.addsX) jrx_ += step.jvx;
    if (step.addsY) jry_ += step.jvy;
    step.overflowX = jrx_ >= capacity();
    step.overflowY = jry_ >= capacity();
    if (step.overflowX) jrx_ -= capacity(), step.feed.x = towards(point_.x, to.x);
    if (step.overflowY) jry_ -= capacity(), step.feed.y = towards(point_.y, to.y);
    jvy_ += growth(point_.x, step.feed.x);
    jvx_ += growth(point_.y, step.feed.y);
    point_.x += step.feed.x;
    point_.y += step.feed.y;
    sigmaX_ -= step.feed.x != 0;
    sigmaY_ -= step.feed.y != 0;
    step.jrxAfter = jrx_;
    step.jryAfter = jry_;
    step.sigmaX = sigmaX_;
    step.sigmaY = sigmaY_;
    return step;
}

}  // namespace tarvo::motion
