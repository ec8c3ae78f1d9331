#include "score/best_times.h"

namespace {
constexpr int kSlots = 3;
}  // namespace

int EnterBestTime(BestTimes table, int seconds, int game) {
    int slot = 0;
    while (slot < kSlots && table.times[slot] != 0 && seconds >= table.times[slot]) {
        ++slot;
    }
    if (slot == kSlots) {
        return -1;
    }
    for (int below = kSlots - 1; below > slot; --below) {
        table.times[below] = table.times[below - 1];
        table.games[below] = table.games[below - 1];
        table.names[below] = table.names[below - 1];
    }
    table.times[slot] = seconds;
    table.games[slot] = game;
    return slot;
}

std::string UnnamedBestTime(int slot) {
    return slot == 0 ? "  " : " ";
}

void NameBestTime(BestTimes table, const BestTime& entry, const std::string& name) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (table.times[slot] == entry.time && table.games[slot] == entry.game &&
            table.names[slot] == entry.name) {
            table.names[slot] = name;
            return;
        }
    }
}
