#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "game/sol_view.h"
#include "game/table_geometry.h"

// Cards written as text, rank then suit: "AH TC KS" (T for Ten); "-" is none.
inline std::vector<Card> Cards(const std::string& text) {
    std::istringstream words(text);
    std::vector<Card> cards;
    for (std::string w; words >> w;) {
        const auto rank = static_cast<int>(std::string("-A23456789TJQK").find(w.front()));
        const auto suit = static_cast<int>(std::string("CSHD").find(w.back()));
        cards.push_back(w == "-" ? Card{} : Card{rank, suit});
    }
    return cards;
}

inline std::string Written(const std::vector<Card>& cards) {
    std::string text;
    for (const Card& card : cards) {
        text += std::string(text.empty() ? "" : " ") + "-A23456789TJQK"[card.nRank] +
                (card.nRank ? "CSHD"[card.nSuit] : ' ');
    }
    return text;
}

// The columns written as a `Layout` takes them.
inline std::string ColumnsText(const CSolView& view) {
    std::string text;
    for (int k = 0; k < table::kColumns; ++k) {
        text += (k ? "|" : "") + Written({view.m_Cards[k], view.m_Cards[k] + view.m_nTop[k] + 1});
    }
    return text;
}

// A table for a test, in text; each part may stay empty.
struct Layout {
    std::string cells = {};    // the reserve cells from the first, "-" a free one
    std::string homes = {};    // the top card of each home cell that holds any
    std::string columns = {};  // from the first column, each from row 0 up, split by '|'
    // The cards named nowhere, nor under a home card, go in turn onto the columns
    // from this index on, so that the whole deck lies on the table.
    int restFrom = table::kColumns;
};

// Replaces the whole table by `layout`: a game in play with nothing selected.
inline void Lay(CSolView& view, const Layout& layout) {
    std::fill_n(&view.m_Cards[0][0], sizeof view.m_Cards / sizeof(Card), Card{});
    std::ranges::fill(view.m_nTop, -1);
    std::tie(view.m_bPlaying, view.m_bNoGameYet, view.m_nSelected) =
        std::tuple(1, 0, kNothingSelected);
    bool placed[53] = {};
    const auto put = [&](int k, const Card& card) {
        view.m_Cards[k][++view.m_nTop[k]] = card;
        placed[CardCode(card)] = true;
    };
    std::istringstream split(layout.columns);
    int k = 0;
    for (std::string column; std::getline(split, column, '|'); ++k) {
        for (const Card& card : Cards(column)) {
            put(k, card);
        }
    }
    const std::vector<Card> cells = Cards(layout.cells);
    for (int j = 0; j < table::kCells; ++j) {
        const Card card = j < static_cast<int>(cells.size()) ? cells[j] : Card{};
        view.m_Cards[j][table::kCellRow] = card;
        view.m_bCellUsed[j] = placed[CardCode(card)] = card != Card{};
    }
    for (const Card& card : Cards(layout.homes)) {
        view.m_Cards[table::kCells + card.nSuit][table::kCellRow] = card;
        for (int rank = 1; rank <= card.nRank; ++rank) {
            placed[CardCode({rank, card.nSuit})] = true;
        }
    }
    for (int code = 1, dealt = 0; code <= 52 && layout.restFrom < table::kColumns; ++code) {
        if (!placed[code]) {
            const int spares = table::kColumns - layout.restFrom;
            put(layout.restFrom + dealt++ % spares, {(code - 1) % 13 + 1, (code - 1) / 13});
        }
    }
}
