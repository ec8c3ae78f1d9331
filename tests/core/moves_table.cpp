#include "moves_table.h"

#include <algorithm>

namespace moves_test {

void TableBuilder::Place(const Card& card) {
    ASSERT_FALSE(m_placed[CardCode(card)]) << "card " << CardCode(card) << " placed twice";
    m_placed[CardCode(card)] = true;
}

TableBuilder& TableBuilder::Column(int k, const Cards& cards) {
    std::ranges::for_each(cards, [this](const Card& card) { Place(card); });
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

void TableBuilder::Spares(int firstColumn) {
    std::vector<Cards> spares(table::kColumns - firstColumn);
    int dealt = 0;
    for (int code = 1; code <= 52; ++code) {
        if (!m_placed[code]) {
            spares[dealt++ % spares.size()].push_back(Card{(code - 1) % 13 + 1, (code - 1) / 13});
        }
    }
    for (std::size_t i = 0; i < spares.size(); ++i) {
        m_table.Column(firstColumn + static_cast<int>(i), spares[i]);
    }
}

std::pair<int, int> Middle(const CSolView& view, Place place) {
    const int i = place.index;
    switch (place.kind) {
        case Place::kColumn:
            return {table::ColumnX(i) + 35,
                    view.m_nTop[i] < 0 ? 150 : table::RowY(view.m_nTop[i]) + 50};
        case Place::kReserve:
            return {table::ReserveX(i) + 35, 50};
        case Place::kHome:
            return {table::HomeX(i) + 35, 50};
    }
    return {};
}

void Press(FakeTable& table, Place place) {
    const auto [x, y] = Middle(*table.view, place);
    table.view->OnLButtonDown(0, x, y);
}

void Click(FakeTable& table, Place place) {
    Press(table, place);
    table.view->OnLButtonUp(0, 0, 0);
}

Log Move(FakeTable& table, Place from, Place to) {
    Click(table, from);
    table.surface.Take();
    Press(table, to);
    return Steps(table.surface.Take());
}

Log Steps(const Log& calls) {
    Log steps;
    for (const std::string& call : calls) {
        const bool frameLine = call.starts_with("line ") && call.ends_with(" notcopy");
        const bool redrawnAfterFrames = !steps.empty() && steps.back() == "frames" &&
                                        call.starts_with("blt ") &&
                                        call.find(",0 ") != std::string::npos;
        if (!frameLine && !redrawnAfterFrames) {
            steps.push_back(call);
        } else if (steps.empty() || steps.back() != "frames") {
            steps.push_back("frames");
        }
    }
    return steps;
}

std::string Face(const Card& card, int x, int y, int cx, int cy) {
    return "blt " + std::to_string(CardCode(card)) + ' ' + std::to_string(x) + ',' +
           std::to_string(y) + ' ' + std::to_string(cx) + 'x' + std::to_string(cy) + " copy";
}

std::string Erase(int left, int right, int top, int bottom) {
    return "fill " + std::to_string(left) + ',' + std::to_string(top) + '-' +
           std::to_string(right) + ',' + std::to_string(bottom) + " 0,0,128";
}

}  // namespace moves_test
