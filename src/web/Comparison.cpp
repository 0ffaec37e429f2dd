#include "web/Comparison.h"

#include "teach/ComparisonTexts.h"

namespace tarvo::web {

Comparison::Comparison(std::string program, interp::Parameters parameters,
                       std::array<motion::MethodChoice, 2> choices)
    : program_(std::move(program)), parameters_(parameters), choices_(choices) {
    begin();
}

void Comparison::begin() {
    trials_[which_] = std::make_unique<teach::MethodTrial>(program_, parameters_, choices_[which_],
                                                           teach::comparisonTickLimit);
}

bool Comparison::advance(std::uint64_t ticks) {
    if (!running()) return false;
    if (trials_[which_]->advance(ticks)) return true;
    trials_[which_]->stop();
    if (++which_ < 2) begin();
    return running();
}

void Comparison::cancel() {
    for (; which_ < 2; ++which_) {
        if (!trials_[which_]) begin();
        trials_[which_]->stop();
    }
}

}  // namespace tarvo::web
