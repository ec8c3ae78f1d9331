#include "fakes/fake_platform.h"

#include <algorithm>
#include <tuple>

void RecordingSurface::BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) {
    const char* name = op == RasterOp::Copy         ? "copy"
                       : op == RasterOp::DestInvert ? "invert"
                                                    : "merge";
    Log(Text("blt %d %d,%d %dx%d %s", bitmapId, x, y, cx, cy, name));
}

void RecordingSurface::FillRect(const Rect& r, ColorRef c) {
    Log(Text("fill %d,%d-%d,%d %d,%d,%d", r.left, r.top, r.right, r.bottom, c.red, c.green,
             c.blue));
}

void RecordingSurface::Line(int x0, int y0, int x1, int y1, ColorRef c, PenMode mode) {
    Log(Text("line %d,%d-%d,%d %d,%d,%d %s", x0, y0, x1, y1, c.red, c.green, c.blue,
             mode == PenMode::Copy ? "copy" : "notcopy"));
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    Log(Text("text %d,%d ", x, y) + text);
}

void RecordingSurface::Log(std::string call) {
    if (keepLog) {
        calls.push_back(std::move(call));
    }
}

bool MemoryProfile::WriteProfileString(std::string_view section, std::string_view key,
                                       std::string_view value) {
    values[{std::string(section), std::string(key)}] = std::string(value);
    writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    return true;
}

bool MemoryProfile::Update(const std::function<void(ProfileKeys& keys)>& change) {
    ++updates;
    auto kept = std::pair(values, writes);
    change(*this);
    if (unreachable) {
        std::tie(values, writes) = std::move(kept);
    }
    return !unreachable;
}

::testing::AssertionResult EachCardOnce(const CSolView& v) {
    int seen[53] = {};  // an empty place counts as code 0
    const auto count = [&seen](const Card& c) {
        const bool valid = c.nRank >= 1 && c.nRank <= 13 && c.nSuit >= 0 && c.nSuit <= 3;
        ++seen[valid ? CardCode(c) : 0];
        return valid;
    };
    for (int k = 0; k < table::kColumns; ++k) {
        if (v.m_nTop[k] < -1 || v.m_nTop[k] >= table::kCellRow ||
            !std::all_of(v.m_Cards[k], v.m_Cards[k] + v.m_nTop[k] + 1, count)) {
            return ::testing::AssertionFailure() << "column " << k << " top " << v.m_nTop[k];
        }
    }
    for (int cell = 0; cell < table::kCells; ++cell) {
        const Card& card = v.m_Cards[cell][table::kCellRow];
        const Card& home = v.m_Cards[table::kCells + cell][table::kCellRow];
        const bool valid = count(card);
        if ((v.m_bCellUsed[cell] == 1) != valid || (!valid && card != Card{}) || home.nRank < 0 ||
            home.nRank > 13 || (home.nRank > 0 && home.nSuit != cell)) {
            return ::testing::AssertionFailure() << "reserve or home cell " << cell;
        }
        for (int rank = 1; rank <= home.nRank; ++rank) {
            ++seen[CardCode(Card{rank, cell})];
        }
    }
    for (int code = 1; code <= 52; ++code) {
        if (seen[code] != 1) {
            return ::testing::AssertionFailure()
                   << "card " << code << " lies " << seen[code] << " times";
        }
    }
    return ::testing::AssertionSuccess();
}
