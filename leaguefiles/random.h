#pragma once
// The one generator of a program run. Tests replace the draws by a script: each planned
// draw names the range it expects, and a draw of another range fails the test.
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
    double unit();
    // 1 + floor(n * U).
    int uniform(int n);

    // Planned draws not yet used (0 for a seeded generator).
    size_t remaining() const;

private:
    Random() = default;
    std::mt19937_64 engine_;
    std::vector<PlannedDraw> script_;
    size_t next_ = 0;
    bool scripted_ = false;
};

// Nearest integer, halves to the even neighbour.
int round_half_even(double x);

}  // namespace lf
