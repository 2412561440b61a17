// Where the swap loop takes its random draws from (private to the module):
// for each swap the removed member's index, then the new position, in stream
// order. Either drawn on demand from the engine or read from a block drawn
// ahead for a whole pass (the draws never depend on the decisions, so both
// give the same values in the same order).
#pragma once

#include <cstdint>

#include "esruler_compat/es_ruler.h"
#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {

class EngineDraws {
 public:
  EngineDraws(rng_compat::Mt19937& rng, const FixedBoundDraw& member,
              const FixedBoundDraw& position)
      : rng_(rng), member_(member), position_(position) {}
  void next(std::uint32_t& member, std::uint32_t& position) {
    member = member_(rng_);
    position = position_(rng_);
  }

 private:
  rng_compat::Mt19937& rng_;
  FixedBoundDraw member_;
  const FixedBoundDraw& position_;
};

class BlockDraws {
 public:
  explicit BlockDraws(const EsRulerCompat::SwapDraw* next) : next_(next) {}
  void next(std::uint32_t& member, std::uint32_t& position) {
    member = next_->member;
    position = next_->position;
    ++next_;
  }
  // The draws of the swap after the next one (there must be one).
  [[nodiscard]] const EsRulerCompat::SwapDraw& peek_second() const { return next_[1]; }

 private:
  const EsRulerCompat::SwapDraw* next_;
};

}  // namespace varenko::esruler_compat
