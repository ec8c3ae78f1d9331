#include "score/statistics_record.h"

#include <algorithm>

#include "game/sol_view.h"

Statistics ReadStatistics(ProfileKeys& keys) {
    Statistics statistics;
    statistics.won = keys::Read(keys, keys::kWon);
    statistics.lost = keys::Read(keys, keys::kLost);
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        statistics.times[slot] = keys::Read(keys, keys::kBestTime[slot]);
        statistics.games[slot] = keys::Read(keys, keys::kBestGame[slot]);
        statistics.names[slot] = keys::Read(keys, keys::kBestName[slot]);
    }
    return statistics;
}

void WriteStatistics(ProfileKeys& keys, const Statistics& statistics) {
    keys::Write(keys, keys::kWon, statistics.won);
    keys::Write(keys, keys::kLost, statistics.lost);
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(keys, keys::kBestTime[slot], statistics.times[slot]);
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(keys, keys::kBestGame[slot], statistics.games[slot]);
    }
    for (int slot = 0; slot < kBestTimeSlots; ++slot) {
        keys::Write(keys, keys::kBestName[slot], statistics.names[slot]);
    }
}

void CSolView::RecordStatistics(const std::function<void(Statistics&)>& change) {
    Statistics record;
    const bool kept = m_platform.profile.Update([&](ProfileKeys& keys) {
        record = ReadStatistics(keys);
        change(record);
        WriteStatistics(keys, record);
    });
    if (!kept) {
        // The file is out of reach for now (another game holds it too long, it
        // cannot be read, the disk is full): the game's own values keep it.
        record = HeldStatistics();
        change(record);
    }
    HoldStatistics(record);
}

Statistics CSolView::HeldStatistics() const {
    Statistics statistics;
    statistics.won = m_Won;
    statistics.lost = m_Lost;
    std::ranges::copy(t_Time, statistics.times);
    std::ranges::copy(t_Game, statistics.games);
    std::ranges::copy(t_Name, statistics.names);
    return statistics;
}

void CSolView::HoldStatistics(const Statistics& statistics) {
    m_Won = statistics.won;
    m_Lost = statistics.lost;
    std::ranges::copy(statistics.times, t_Time);
    std::ranges::copy(statistics.games, t_Game);
    std::ranges::copy(statistics.names, t_Name);
}
