/// The program-wide random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tazkova::game {

/// state := state * 134775813 + 1 (mod 2^32) at every draw; Random(n) = (state * n) div 2^32.
class RandomSource {
  public:
    static constexpr std::uint32_t kMultiplier = 134775813u;
    static constexpr std::uint32_t kIncrement = 1u;

    /// A uniform integer 0..n-1 (n >= 1), from the new state.
    int Random(int n) {
        state_ = state_ * kMultiplier + kIncrement;
        return Scaled(state_, n);
    }

    /// Advances the state by `steps` draws at once (O(log steps)), exactly as that many
    /// single draws would.
    void Advance(std::uint64_t steps);

    std::uint32_t State() const { return state_; }
    void SetState(std::uint32_t s) { state_ = s; }

  private:
    static int Scaled(std::uint32_t state, int n) {
        return static_cast<int>(
            (static_cast<std::uint64_t>(state) * static_cast<std::uint32_t>(n)) >> 32);
    }

    std::uint32_t state_ = 0;
};

/// Spreads the bits of `x` over a whole 64-bit word (the SplitMix64 finaliser): seeds for
/// generators of our own, drawn from a run's seed and a position or a game's number.
constexpr std::uint64_t MixBits(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

/// How start-up treats the generator, from the first command-line parameter.
struct SeedChoice {
    enum class Kind { FromClock, Advance, Untouched };
    Kind kind = Kind::FromClock;
    std::uint32_t count = 0;  // draws to advance, for Kind::Advance
};

/// Reads the first command-line parameter: a positive integer advances the generator that
/// many times, a negative one leaves it alone, and a missing parameter, 0, or anything that
/// is not a whole 32-bit integer seeds from the clock.
SeedChoice ParseSeedParameter(std::optional<std::string_view> first);

/// Milliseconds since local midnight: the clock the generator is seeded from.
std::uint32_t MillisecondsSinceMidnight();

/// Parses a whole text as a signed 32-bit integer (optional sign, ASCII digits only).
std::optional<std::int32_t> ParseInt32(std::string_view text);

}  // namespace tazkova::game
