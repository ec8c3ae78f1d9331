#include "fakes/fake_platform.h"

#include <algorithm>
#include <sstream>

namespace {
std::string Colour(ColorRef c) {
    std::ostringstream out;
    out << int{c.red} << ',' << int{c.green} << ',' << int{c.blue};
    return out.str();
}
std::string Point(int x, int y) {
    return std::to_string(x) + ',' + std::to_string(y);
}
}  // namespace

void RecordingSurface::Log(std::string call) {
    if (keepLog) {
        calls.push_back(std::move(call));
    }
}

void RecordingSurface::BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) {
    const char* name = op == RasterOp::Copy         ? "copy"
                       : op == RasterOp::DestInvert ? "invert"
                                                    : "merge";
    Log("blt " + std::to_string(bitmapId) + ' ' + Point(x, y) + ' ' + std::to_string(cx) + 'x' +
        std::to_string(cy) + ' ' + name);
}

void RecordingSurface::FillRect(const Rect& r, ColorRef colour) {
    Log("fill " + Point(r.left, r.top) + '-' + Point(r.right, r.bottom) + ' ' + Colour(colour));
}

void RecordingSurface::Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) {
    Log("line " + Point(x0, y0) + '-' + Point(x1, y1) + ' ' + Colour(pen) +
        (mode == PenMode::Copy ? " copy" : " notcopy"));
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    Log("text " + Point(x, y) + ' ' + text);
}

int MemoryProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    const auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? defaultValue : std::stoi(it->second);
}

std::string MemoryProfile::GetProfileString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    const auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? std::string(defaultValue) : it->second;
}

bool MemoryProfile::WriteProfileString(std::string_view section, std::string_view key,
                                       std::string_view value) {
    values[{std::string(section), std::string(key)}] = std::string(value);
    writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    return true;
}

void FakeTable::ClearTable() {
    CSolView& v = *view;
    for (auto& column : v.m_Cards) {
        std::ranges::fill(column, Card{});
    }
    std::ranges::fill(v.m_nTop, -1);
    std::ranges::fill(v.m_bCellUsed, 0);
    v.m_bPlaying = 1;
    v.m_bNoGameYet = 0;
    v.m_nSelected = kNothingSelected;
}

void FakeTable::Column(int k, const std::vector<Card>& cards) {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        view->m_Cards[k][i] = cards[i];
    }
    view->m_nTop[k] = static_cast<int>(cards.size()) - 1;
}

::testing::AssertionResult EachCardOnce(const CSolView& v) {
    int seen[53] = {};  // an empty place counts as code 0
    const auto valid = [](const Card& c) {
        return c.nRank >= 1 && c.nRank <= 13 && c.nSuit >= 0 && c.nSuit <= 3;
    };
    for (int k = 0; k < table::kColumns; ++k) {
        if (v.m_nTop[k] < -1 || v.m_nTop[k] >= table::kCellRow) {
            return ::testing::AssertionFailure() << "column " << k << " top " << v.m_nTop[k];
        }
        for (int row = 0; row <= v.m_nTop[k]; ++row) {
            if (!valid(v.m_Cards[k][row])) {
                return ::testing::AssertionFailure() << "column " << k << " row " << row;
            }
            ++seen[CardCode(v.m_Cards[k][row])];
        }
    }
    for (int cell = 0; cell < table::kCells; ++cell) {
        const Card& card = v.m_Cards[cell][table::kCellRow];
        if ((v.m_bCellUsed[cell] == 1) != valid(card) || (!valid(card) && card != Card{})) {
            return ::testing::AssertionFailure() << "reserve cell " << cell;
        }
        ++seen[valid(card) ? CardCode(card) : 0];
        const Card& home = v.m_Cards[table::kCells + cell][table::kCellRow];
        if (home.nRank < 0 || home.nRank > 13 || (home.nRank > 0 && home.nSuit != cell)) {
            return ::testing::AssertionFailure() << "home cell " << cell;
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
