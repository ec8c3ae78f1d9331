#pragma once

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

// Building tables for the move tests, pressing on them and reading back what
// was drawn.
namespace moves_test {

using Log = std::vector<std::string>;
using Cards = std::vector<Card>;
enum Suit { kClubs, kSpades, kHearts, kDiamonds };

// Lays out a whole deck: the cards a test names go where it says, every other
// card is shared out evenly over the spare columns.
class TableBuilder {
  public:
    explicit TableBuilder(FakeTable& table) : m_table(table) { m_table.ClearTable(); }
    TableBuilder& Column(int k, const Cards& cards);
    TableBuilder& Reserve(int cell, Card card);
    // Fills reserve cells 0 .. count - 1 with the Ace to Four of diamonds.
    TableBuilder& UsedCells(int count);
    TableBuilder& Home(int suit, int rank);
    // Columns firstColumn .. 7 take the cards not yet placed.
    void Spares(int firstColumn);

  private:
    FakeTable& m_table;
    bool m_placed[53] = {};
    void Place(const Card& card);
};

// A place a press goes to: a column (at its top card), a reserve or a home cell.
struct Place {
    enum Kind { kColumn, kReserve, kHome } kind;
    int index;
};
inline const Place kNowhere{Place::kHome, -1};

// The middle of a place: of a column's top card or of an empty column, of a cell.
std::pair<int, int> Middle(const CSolView& view, Place place);
// A left press (without release) in the middle of a place.
void Press(FakeTable& table, Place place);
// A full click: selects the place, or deselects it.
void Click(FakeTable& table, Place place);
// Selects `from`, presses on `to` and returns what the press drew.
Log Move(FakeTable& table, Place from, Place to);

// The drawing log with each run of cell-frame lines, and the cards of the upper
// row drawn again over them, folded into "frames".
Log Steps(const Log& calls);

std::string Face(const Card& card, int x, int y, int cx = 71, int cy = 96);
std::string Erase(int left, int right, int top, int bottom);

}  // namespace moves_test
