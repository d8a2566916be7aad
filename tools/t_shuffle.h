// Level shuffling tool: a campaign from a stream, its levels in a random
// order, to another stream.
#pragma once
#include <iosfwd>

#include "data/level.h"

// 10000 random exchanges of whole level slots, drawn from a generator
// seeded with `seed`. Nothing changes when there are no levels.
void shuffleCampaign(Campaign& campaign, unsigned seed);

// Reads a campaign from `in`, shuffles it with a clock seed, writes it to
// `out`. Input that is not a campaign: nothing on `out`, one line on `err`,
// status 1. Otherwise 0.
int shuffleLevels(std::istream& in, std::ostream& out, std::ostream& err);
