#pragma once
// Probability distributions over whole yards, the football models every outcome table is
// drawn from.
#include <map>
#include <string_view>

#include "tools/datagen/params.h"

namespace datagen {

// Yards -> probability; the probabilities add up to 1.
using Distribution = std::map<int, double>;

// A gain on a play: some plays lose yards, some gain nothing, most gain a few yards
// (a negative-binomial hump), and a thin tail breaks away.
struct GainModel {
    double loss = 0;       // share of plays that lose yards
    double lossMean = 1;   // average loss, yards (geometric)
    double zero = 0;       // share of plays that gain nothing
    int gainFrom = 1;      // the shortest ordinary gain
    double gainMean = 1;   // average of the ordinary gains, yards, before the tail is cut off
    double gainShape = 1;  // shape of the hump: 1 is geometric, larger is more peaked
    double tail = 0;       // share of breakaways
    int tailFrom = 20;     // yards where the breakaways begin
    double tailMean = 10;  // average yards beyond tailFrom (geometric)
};

// Reads loss, loss_mean, zero, gain_from, gain_mean, gain_shape, tail, tail_from, tail_mean;
// all but gain_mean may be left out for their defaults above.
GainModel readGainModel(const Params& p, std::string_view section);
Distribution gainDistribution(const GainModel& m);

// A bell of whole yards: a normal curve of this mean and spread, cut to lo..hi.
Distribution bellDistribution(double mean, double spread, int lo, int hi);

double mean(const Distribution& d);
// Probability of lo..hi (inclusive).
double share(const Distribution& d, int lo, int hi);
// The distribution moved by `yards`.
Distribution shifted(const Distribution& d, int yards);

}  // namespace datagen
