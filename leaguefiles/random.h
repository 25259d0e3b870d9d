#pragma once
// The one generator of a program run. Tests replace the draws by a script: each planned
// draw names the range it expects, and a draw of another range fails the test.
#include <cmath>
#include <cstdint>
#include <random>
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
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    // 1 + floor(n * U).
    int uniform(int n) {
        if (scripted_) [[unlikely]] return scriptedUniform(n);
        const double x = n * (static_cast<double>(engine_() >> 11) * 0x1.0p-53);
        // For n > 0 the product is not negative, so truncation is the floor.
        return 1 + static_cast<int>(n > 0 ? x : std::floor(x));
    }

    // Planned draws not yet used (0 for a seeded generator).
    size_t remaining() const;

private:
    Random() = default;
    double scriptedUnit();
    int scriptedUniform(int n);
    std::mt19937_64 engine_;
    std::vector<PlannedDraw> script_;
    size_t next_ = 0;
    bool scripted_ = false;
};

// Nearest integer, halves to the even neighbour.
int round_half_even(double x);

}  // namespace lf
