#include "moves_table.h"

#include <algorithm>
#include <sstream>

namespace moves_test {

TableBuilder::TableBuilder(FakeTable& table) : m_table(table) {
    m_table.ClearTable();
}

void TableBuilder::Place(const Card& card) {
    const int code = CardCode(card);
    ASSERT_FALSE(m_placed[code]) << "card " << code << " placed twice";
    m_placed[code] = true;
}

TableBuilder& TableBuilder::Column(int k, const std::vector<Card>& cards) {
    for (const Card& card : cards) {
        Place(card);
    }
    m_table.Column(k, cards);
    return *this;
}

TableBuilder& TableBuilder::Reserve(int cell, Card card) {
    Place(card);
    m_table.view->m_Cards[cell][table::kCellRow] = card;
    m_table.view->m_bCellUsed[cell] = 1;
    return *this;
}

TableBuilder& TableBuilder::UsedCells(int count) {
    for (int cell = 0; cell < count; ++cell) {
        Reserve(cell, Card{cell + 1, kDiamonds});
    }
    return *this;
}

TableBuilder& TableBuilder::Home(int suit, int rank) {
    for (int r = 1; r <= rank; ++r) {
        Place(Card{r, suit});
    }
    m_table.view->m_Cards[table::kCells + suit][table::kCellRow] = Card{rank, suit};
    return *this;
}

void TableBuilder::Spares(const std::vector<int>& columns) {
    std::vector<Card> rest;
    for (int code = 1; code <= 52; ++code) {
        if (!m_placed[code]) {
            rest.push_back(Card{(code - 1) % 13 + 1, (code - 1) / 13});
        }
    }
    // Shared out evenly, so that every spare column holds cards.
    const std::size_t share = (rest.size() + columns.size() - 1) / columns.size();
    ASSERT_LE(share, 19u) << "not enough spare columns";
    std::size_t next = 0;
    for (int k : columns) {
        const std::size_t end = std::min(next + share, rest.size());
        m_table.Column(k, std::vector<Card>(rest.begin() + next, rest.begin() + end));
        next = end;
    }
}

void ExpectEachCardOnce(const CSolView& view) {
    int seen[53] = {};
    for (int k = 0; k < table::kColumns; ++k) {
        for (int row = 0; row < table::kCellRow; ++row) {
            const Card& card = view.m_Cards[k][row];
            if (row <= view.m_nTop[k]) {
                ++seen[CardCode(card)];
            } else {
                EXPECT_EQ(card, Card{}) << "stale card in column " << k << " row " << row;
            }
        }
    }
    for (int cell = 0; cell < table::kCells; ++cell) {
        const Card& card = view.m_Cards[cell][table::kCellRow];
        if (view.m_bCellUsed[cell] == 1) {
            ++seen[CardCode(card)];
        } else {
            EXPECT_EQ(card, Card{}) << "stale card in reserve cell " << cell;
        }
    }
    for (int suit = 0; suit < table::kCells; ++suit) {
        const Card& home = view.m_Cards[table::kCells + suit][table::kCellRow];
        for (int rank = 1; rank <= home.nRank; ++rank) {
            EXPECT_EQ(home.nSuit, suit);
            ++seen[CardCode(Card{rank, suit})];
        }
    }
    for (int code = 1; code <= 52; ++code) {
        EXPECT_EQ(seen[code], 1) << "card " << code;
    }
}

std::vector<std::string> Steps(std::vector<std::string> calls) {
    std::vector<std::string> steps;
    for (const std::string& call : calls) {
        const bool frameLine = call.starts_with("line ") && call.ends_with(" notcopy");
        if (!frameLine) {
            steps.push_back(call);
        } else if (steps.empty() || steps.back() != "frames") {
            steps.push_back("frames");
        }
    }
    return steps;
}

std::string Face(const Card& card, int x, int y, int cx, int cy) {
    std::ostringstream out;
    out << "blt " << CardCode(card) << ' ' << x << ',' << y << ' ' << cx << 'x' << cy << " copy";
    return out.str();
}

std::string Erase(int left, int right, int top, int bottom) {
    std::ostringstream out;
    out << "fill " << left << ',' << top << '-' << right << ',' << bottom << " 0,0,128";
    return out.str();
}

std::string Mark(int x, int y) {
    std::ostringstream out;
    out << "blt 500 " << x << ',' << y << " 71x96 invert";
    return out.str();
}

void PressColumn(FakeTable& table, int k) {
    const int top = table.view->m_nTop[k];
    table.view->OnLButtonDown(0, table::ColumnX(k) + 35, top < 0 ? 150 : table::RowY(top) + 50);
}

void PressReserve(FakeTable& table, int cell) {
    table.view->OnLButtonDown(0, table::ReserveX(cell) + 35, 50);
}

void PressHome(FakeTable& table, int home) {
    table.view->OnLButtonDown(0, table::HomeX(home) + 35, 50);
}

void SelectColumn(FakeTable& table, int k) {
    PressColumn(table, k);
    table.view->OnLButtonUp(0, 0, 0);
}

void SelectReserve(FakeTable& table, int cell) {
    PressReserve(table, cell);
    table.view->OnLButtonUp(0, 0, 0);
}

}  // namespace moves_test
