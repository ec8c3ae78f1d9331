#pragma once

#include <string>

#include "game/profile_keys.h"
#include "score/best_times.h"

// The counts and best times, as the profile keeps them.
struct Statistics {
    int won = 0;
    int lost = 0;
    int times[kBestTimeSlots] = {};
    int games[kBestTimeSlots] = {};
    std::string names[kBestTimeSlots];

    BestTimes Best() { return BestTimes{times, games, names}; }
};

Statistics ReadStatistics(ProfileKeys& keys);

// Writes the eleven keys in their one order: the counts, times, games, names.
void WriteStatistics(ProfileKeys& keys, const Statistics& statistics);
