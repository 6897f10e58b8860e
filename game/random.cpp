#include "game/random.h"

#include <chrono>
#include <ctime>

namespace tazkova::game {

void RandomSource::Advance(std::uint64_t steps) {
    // Compose the affine step x -> a*x + c with itself by repeated squaring:
    // (a, c) applied twice is (a*a, a*c + c).
    std::uint32_t accMul = 1, accAdd = 0;
    std::uint32_t curMul = kMultiplier, curAdd = kIncrement;
    while (steps > 0) {
        if (steps & 1u) {
            accMul = accMul * curMul;
            accAdd = accAdd * curMul + curAdd;
        }
        curAdd = curAdd * curMul + curAdd;
        curMul = curMul * curMul;
        steps >>= 1;
    }
    state_ = state_ * accMul + accAdd;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char ch = text[pos];
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

SeedChoice ParseSeedParameter(std::optional<std::string_view> first) {
    SeedChoice choice;
    if (!first) return choice;
    const auto n = ParseInt32(*first);
    if (!n || *n == 0) return choice;
    if (*n < 0) {
        choice.kind = SeedChoice::Kind::Untouched;
        return choice;
    }
    choice.kind = SeedChoice::Kind::Advance;
    choice.count = static_cast<std::uint32_t>(*n);
    return choice;
}

std::uint32_t MillisecondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return static_cast<std::uint32_t>(
        ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

}  // namespace tazkova::game
