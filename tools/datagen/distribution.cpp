#include "tools/datagen/distribution.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace datagen {
namespace {

constexpr int LongestLoss = 15;
constexpr int LongestGain = 120;

double optional(const Params& p, std::string_view section, std::string_view key, double fallback) {
    try {
        return p.get(section, key);
    } catch (const std::runtime_error&) {
        return fallback;
    }
}

// Adds `weight` spread over lo..hi in proportion to `shape(y)`.
template <class F>
void addShaped(Distribution& d, double weight, int lo, int hi, F shape) {
    if (weight <= 0 || hi < lo) return;
    double total = 0;
    for (int y = lo; y <= hi; ++y) total += shape(y);
    if (total <= 0) return;
    for (int y = lo; y <= hi; ++y) d[y] += weight * shape(y) / total;
}

}  // namespace

GainModel readGainModel(const Params& p, std::string_view s) {
    GainModel m;
    m.loss = optional(p, s, "loss", 0);
    m.lossMean = optional(p, s, "loss_mean", 1);
    m.zero = optional(p, s, "zero", 0);
    m.gainFrom = static_cast<int>(optional(p, s, "gain_from", 1));
    m.gainMean = p.get(s, "gain_mean");
    m.gainShape = optional(p, s, "gain_shape", 1);
    m.tail = optional(p, s, "tail", 0);
    m.tailFrom = static_cast<int>(optional(p, s, "tail_from", 20));
    m.tailMean = optional(p, s, "tail_mean", 10);
    if (m.loss < 0 || m.zero < 0 || m.tail < 0 || m.loss + m.zero + m.tail >= 1)
        throw std::runtime_error("[" + std::string(s) + "]: loss + zero + tail must stay below 1");
    if (m.lossMean < 1 || m.gainFrom < 1 || m.gainMean <= m.gainFrom || m.gainShape <= 0 || m.tailMean <= 0 || m.tailFrom <= m.gainFrom)
        throw std::runtime_error("[" + std::string(s) + "]: a mean or shape is out of range");
    return m;
}

Distribution gainDistribution(const GainModel& m) {
    Distribution d;
    // Geometric losses of mean lossMean.
    const double lossStep = 1.0 - 1.0 / m.lossMean;
    addShaped(d, m.loss, 1, LongestLoss, [&](int y) { return std::pow(lossStep, y - 1); });
    // Move the losses to negative yards.
    Distribution out;
    for (const auto& [y, p] : d) out[-y] = p;
    if (m.zero > 0) out[0] += m.zero;
    // Ordinary gains: gainFrom + k, k negative binomial with shape r and mean
    // gainMean - gainFrom.
    const double r = m.gainShape;
    const double beyond = m.gainMean - m.gainFrom;
    const double q = beyond / (r + beyond);  // the failure chance
    std::map<int, double> hump;
    double pk = std::pow(1 - q, r);
    for (int k = 0; k + m.gainFrom < m.tailFrom; ++k) {
        hump[k + m.gainFrom] = pk;
        pk *= (k + r) / (k + 1) * q;
    }
    addShaped(out, 1 - m.loss - m.zero - m.tail, m.gainFrom, m.tailFrom - 1,
              [&](int y) { return hump[y]; });
    const double tailStep = m.tailMean / (m.tailMean + 1);
    addShaped(out, m.tail, m.tailFrom, LongestGain,
              [&](int y) { return std::pow(tailStep, y - m.tailFrom); });
    return out;
}

Distribution bellDistribution(double mu, double spread, int lo, int hi) {
    Distribution d;
    addShaped(d, 1.0, lo, hi, [&](int y) {
        const double z = (y - mu) / spread;
        return std::exp(-0.5 * z * z);
    });
    return d;
}

double mean(const Distribution& d) {
    double m = 0;
    for (const auto& [y, p] : d) m += y * p;
    return m;
}

double share(const Distribution& d, int lo, int hi) {
    double s = 0;
    for (const auto& [y, p] : d)
        if (y >= lo && y <= hi) s += p;
    return s;
}

Distribution shifted(const Distribution& d, int yards) {
    Distribution out;
    for (const auto& [y, p] : d) out[y + yards] += p;
    return out;
}

}  // namespace datagen
