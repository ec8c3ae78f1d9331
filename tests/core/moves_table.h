#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"

// Building tables for the move tests, pressing on them and reading back what
// was drawn.
namespace moves_test {

constexpr int kClubs = 0;
constexpr int kSpades = 1;
constexpr int kHearts = 2;
constexpr int kDiamonds = 3;

// Lays out a whole deck: the cards a test names go where it says, every other
// card is shared out over the spare columns in code order, 19 at most to a
// column.
class TableBuilder {
  public:
    explicit TableBuilder(FakeTable& table);
    TableBuilder& Column(int k, const std::vector<Card>& cards);
    TableBuilder& Reserve(int cell, Card card);
    // Fills reserve cells 0 .. count - 1 with the Ace to Four of diamonds.
    TableBuilder& UsedCells(int count);
    TableBuilder& Home(int suit, int rank);
    void Spares(const std::vector<int>& columns);

  private:
    FakeTable& m_table;
    bool m_placed[53] = {};
    void Place(const Card& card);
};

// Every one of the 52 cards lies exactly once on the columns, in the used
// reserve cells or under a home cell; free slots hold no card.
void ExpectEachCardOnce(const CSolView& view);

// The drawing log with each run of cell-frame lines folded into "frames".
std::vector<std::string> Steps(std::vector<std::string> calls);

std::string Face(const Card& card, int x, int y, int cx, int cy);
std::string Erase(int left, int right, int top, int bottom);
std::string Mark(int x, int y);

// A left press (without release) in the middle of a place.
void PressColumn(FakeTable& table, int k);
void PressReserve(FakeTable& table, int cell);
void PressHome(FakeTable& table, int home);
// Selects column k or reserve cell j with a full click.
void SelectColumn(FakeTable& table, int k);
void SelectReserve(FakeTable& table, int cell);

}  // namespace moves_test
