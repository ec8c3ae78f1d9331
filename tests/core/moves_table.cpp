#include "moves_table.h"

namespace moves_test {

void LayOut(FakeTable& t, const std::vector<Cards>& columns, const Cards& cells,
            const std::array<int, 4>& homes, int sparesFrom) {
    t.ClearTable();
    CSolView& v = *t.view;
    bool placed[53] = {};
    for (std::size_t k = 0; k < columns.size(); ++k) {
        t.Column(static_cast<int>(k), columns[k]);
        for (const Card& card : columns[k]) {
            placed[CardCode(card)] = true;
        }
    }
    for (std::size_t j = 0; j < cells.size(); ++j) {
        v.m_Cards[j][table::kCellRow] = cells[j];
        v.m_bCellUsed[j] = placed[CardCode(cells[j])] = cells[j] != Card{};
    }
    for (int suit = 0; suit < table::kCells; ++suit) {
        for (int rank = 1; rank <= homes[suit]; ++rank) {
            placed[CardCode({rank, suit})] = true;
        }
        v.m_Cards[table::kCells + suit][table::kCellRow] =
            Card{homes[suit], homes[suit] ? suit : 0};
    }
    std::vector<Cards> spares(table::kColumns - sparesFrom);
    for (int code = 1, dealt = 0; code <= 52; ++code) {
        if (!placed[code]) {
            spares[dealt++ % spares.size()].push_back({(code - 1) % 13 + 1, (code - 1) / 13});
        }
    }
    for (std::size_t i = 0; i < spares.size(); ++i) {
        t.Column(sparesFrom + static_cast<int>(i), spares[i]);
    }
}

std::pair<int, int> Middle(const CSolView& view, int place) {
    if (place >= kHome) {
        return {table::HomeX(place - kHome) + 35, 50};
    }
    if (place >= kCell) {
        return {table::ReserveX(place - kCell) + 35, 50};
    }
    const int top = view.m_nTop[place];
    return {table::ColumnX(place) + 35, top < 0 ? 150 : table::RowY(top) + 50};
}

void Click(FakeTable& t, int place) {
    const auto [x, y] = Middle(*t.view, place);
    t.view->OnLButtonDown(0, x, y);
    t.view->OnLButtonUp(0, x, y);
}

Log Steps(const Log& calls) {
    Log steps;
    for (const std::string& call : calls) {
        const bool folded = (call.starts_with("line ") && call.ends_with(" notcopy")) ||
                            (!steps.empty() && steps.back() == "frames" &&
                             call.starts_with("blt ") && call.find(",0 ") != std::string::npos);
        if (!folded) {
            steps.push_back(call);
        } else if (steps.empty() || steps.back() != "frames") {
            steps.push_back("frames");
        }
    }
    return steps;
}

std::string Face(const Card& card, int x, int y, int cx, int cy) {
    return Text("blt %d %d,%d %dx%d copy", CardCode(card), x, y, cx, cy);
}

std::string Erase(int left, int right, int top, int bottom) {
    return Text("fill %d,%d-%d,%d 0,0,128", left, top, right, bottom);
}

}  // namespace moves_test
