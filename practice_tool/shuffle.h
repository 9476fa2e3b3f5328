// A random order that is the same for the same number on every system: the
// standard library's engines are fixed, but its distributions and std::shuffle
// differ between implementations, so both steps are written out here.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// The PCG32 generator (XSH RR output), started as the reference code's
// pcg32_srandom_r(number, stream).
class Pcg32 {
  public:
    explicit Pcg32(std::uint64_t number, std::uint64_t stream = 54);

    std::uint32_t next();
    // Uniform in [0, bound), bound > 0, without the bias of a plain modulo.
    std::uint32_t below(std::uint32_t bound);

  private:
    std::uint64_t state_ = 0;
    std::uint64_t increment_;
};

// Fisher-Yates: every order equally likely, decided by `number` alone.
template <typename T> void Shuffle(std::vector<T>& items, std::uint64_t number) {
    Pcg32 random(number);
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random.below(static_cast<std::uint32_t>(i))]);
}
