#pragma once

namespace zarnel::stream {

// Visitor built from lambdas, one per alternative of a std::variant.
template <typename... TLambdas>
struct TOverloaded : TLambdas... {
  using TLambdas::operator()...;
};

template <typename... TLambdas>
TOverloaded(TLambdas...) -> TOverloaded<TLambdas...>;

}  // namespace zarnel::stream
