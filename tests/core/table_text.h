#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"

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

// The columns written as `Lay` takes them.
inline std::string ColumnsText(const CSolView& view) {
    std::string text;
    for (int k = 0; k < table::kColumns; ++k) {
        for (int row = 0; row <= view.m_nTop[k]; ++row) {
            const Card& card = view.m_Cards[k][row];
            text += std::string(row ? " "
                                : k ? "|"
                                    : "") +
                    "-A23456789TJQK"[card.nRank] + "CSHD"[card.nSuit];
        }
    }
    return text;
}

// Clears the table and lays out the reserve cells, the top cards of the home
// cells, and the columns from row 0 up, separated by '|'.
inline void Lay(FakeTable& t, const std::string& cells, const std::string& homes,
                const std::string& columns) {
    t.ClearTable();
    int k = 0;
    for (const Card& card : Cards(cells)) {
        t.view->m_Cards[k][table::kCellRow] = card;
        t.view->m_bCellUsed[k++] = card != Card{};
    }
    for (const Card& card : Cards(homes)) {
        t.view->m_Cards[table::kCells + card.nSuit][table::kCellRow] = card;
    }
    std::istringstream split(columns);
    k = 0;
    for (std::string column; std::getline(split, column, '|');) {
        t.Column(k++, Cards(column));
    }
}
