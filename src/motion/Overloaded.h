#pragma once

namespace tarvo::motion {

// Lambdas, one per kind, joined into one visitor for std::visit. A visitor
// names every kind it handles and none with `auto`, so a new kind of step is
// a compile error at each place that takes steps apart until it is handled.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace tarvo::motion
