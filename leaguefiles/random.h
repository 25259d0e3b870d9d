#pragma once
// The one generator of a program run. Tests replace the draws by a script: each planned
// draw names the range it expects, and a draw of another range fails the test.
#include <cmath>
#include <cstdint>
#include <vector>

namespace lf {

// A planned draw: uniform(n) returns `value` (1..n); n = 0 plans a unit() returning `value`.
struct PlannedDraw {
    int n;
    double value;
};

class Random {
public:
    explicit Random(uint64_t seed);
    // Seeded from the clock: the start of a program run.
    static Random fromClock();
    // Plays back the planned draws in order; std::logic_error on a range mismatch, a planned
    // result the range cannot give, or when the script runs out.
    static Random scripted(std::vector<PlannedDraw> draws);

    // U uniform in [0, 1).
    double unit() {
        if (scripted_) [[unlikely]] return scriptedUnit();
        return static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    // 1 + floor(n * U).
    int uniform(int n) {
        if (scripted_) [[unlikely]] return scriptedUniform(n);
        const uint64_t k = next() >> 11;   // U = k / 2^53
        if (n <= 0) [[unlikely]] return 1 + static_cast<int>(std::floor(n * (k * 0x1.0p-53)));
        // The floor of n * k / 2^53 exactly, in integers: no rounding of the product, and
        // a multiply instead of a chain of conversions that every weighted draw waits on.
        return 1 + static_cast<int>((static_cast<unsigned __int128>(k) * static_cast<uint64_t>(n)) >> 53);
    }

    // Planned draws not yet used (0 for a seeded generator).
    size_t remaining() const;

private:
    Random() = default;
    double scriptedUnit();
    int scriptedUniform(int n);
    // xoshiro256**: a game draws some three thousand numbers, and this generator
    // gives them at a fraction of the cost of a Mersenne twister, with as good a spread.
    uint64_t next() {
        const uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t state_[4] = {};
    std::vector<PlannedDraw> script_;
    size_t next_ = 0;
    bool scripted_ = false;
};

// Nearest integer, halves to the even neighbour. Inline: the game rounds at almost every snap.
inline int round_half_even(double x) {
    // Truncation, one less below zero: the floor of any x an int can hold, without a libm call.
    int down = static_cast<int>(x);
    if (static_cast<double>(down) > x) --down;
    const double rest = x - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return down % 2 == 0 ? down : down + 1;
}

}  // namespace lf
