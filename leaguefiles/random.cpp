#include "leaguefiles/random.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace lf {

Random::Random(uint64_t seed) {
    // The state is spread from the seed by splitmix64, so that nearby seeds start far apart
    // and no seed gives the all-zero state.
    for (uint64_t& word : state_) {
        uint64_t z = (seed += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        word = z ^ (z >> 31);
    }
}

Random Random::fromClock() {
    return Random(static_cast<uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
}

Random Random::scripted(std::vector<PlannedDraw> draws) {
    Random r;
    r.script_ = std::move(draws);
    r.scripted_ = true;
    return r;
}

double Random::scriptedUnit() {
    if (next_ >= script_.size()) throw std::logic_error("unplanned draw: unit()");
    const PlannedDraw d = script_[next_++];
    if (d.n != 0)
        throw std::logic_error("planned uniform(" + std::to_string(d.n) + "), drawn unit()");
    if (d.value < 0.0 || d.value >= 1.0)
        throw std::logic_error("planned unit() " + std::to_string(d.value) + " outside [0, 1)");
    return d.value;
}

int Random::scriptedUniform(int n) {
    if (next_ >= script_.size())
        throw std::logic_error("unplanned draw: uniform(" + std::to_string(n) + ")");
    const PlannedDraw d = script_[next_++];
    if (d.n != n)
        throw std::logic_error("planned draw of range " + std::to_string(d.n) +
                               ", drawn uniform(" + std::to_string(n) + ")");
    const int v = static_cast<int>(d.value);
    if (v < 1 || v > n || v != d.value)
        throw std::logic_error("planned uniform(" + std::to_string(n) + ") result " +
                               std::to_string(d.value) + " is not a whole number 1.." +
                               std::to_string(n));
    return v;
}

size_t Random::remaining() const { return script_.size() - next_; }

}  // namespace lf
