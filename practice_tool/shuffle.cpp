#include "practice_tool/shuffle.h"

Pcg32::Pcg32(std::uint64_t number, std::uint64_t stream) : increment_(stream << 1u | 1u) {
    next();
    state_ += number;
    next();
}

std::uint32_t Pcg32::next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

std::uint32_t Pcg32::below(std::uint32_t bound) {
    // 2^32 mod bound: values under it would make the low results likelier.
    const std::uint32_t threshold = (0u - bound) % bound;
    for (;;) {
        const std::uint32_t value = next();
        if (value >= threshold)
            return value % bound;
    }
}
