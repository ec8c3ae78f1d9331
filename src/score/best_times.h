#pragma once

#include <string>

#include "game/profile_keys.h"

// The three best times, best first; a time of 0 marks an empty slot.
struct BestTimes {
    int (&times)[kBestTimeSlots];
    int (&games)[kBestTimeSlots];
    std::string (&names)[kBestTimeSlots];
};

// Enters a winning time `seconds` of game `game` into the table: it takes the
// first slot that is empty or holds a strictly longer time, pushing the slots
// below it down (the last one drops out). A time equal to a stored one goes
// below it. Returns the slot taken, or -1 when the time does not qualify.
int EnterBestTime(BestTimes table, int seconds, int game);

// The name kept for a slot when the player declines to give one.
std::string UnnamedBestTime(int slot);

// One entry of the table.
struct BestTime {
    int time = 0;
    int game = 0;
    std::string name;
};

// Renames the first slot holding `entry` to `name`, if one still does: other
// running games may have moved the entry down or out since it was entered.
void NameBestTime(BestTimes table, const BestTime& entry, const std::string& name);
