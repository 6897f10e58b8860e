/// Where the keyboard goes among the cards: the player's hand and the floor in the table's
/// right-to-left reading order, the arrow keys along a row and between the rows, Tab from
/// the buttons to each group of cards, and back onto the table after a play.
#pragma once

#include <QWidget>
#include <vector>

#include "game/game.h"
#include "ui/table/card_widgets.h"

namespace tazkova::ui {

class CardTableView;

class CardFocus {
  public:
    CardFocus(const game::Game& game, const CardTableView& view) : game_(game), view_(view) {}

    /// Where card image `index` lies and how it is marked.
    CardPlace PlaceOf(int index) const;
    /// The cards the player can reach in one place, right to left, the upper row first.
    std::vector<int> CardsOf(CardPlace::Where where) const;
    /// Moves the focus from card `index` as the arrow, Home or End key says; false for a key
    /// that moves nothing.
    bool Move(int index, int key) const;
    /// Tab or Shift+Tab from `focused` round the `buttons`, then the hand, then the floor
    /// (each group entered at its focused card, or its first).
    void Tab(std::vector<QWidget*> buttons, QWidget* focused, bool next) const;
    /// After a play the focused card may have gone from `before`: the focus goes to the
    /// hand, or the floor, or else to `fallback`.
    void KeepOnTheTable(CardPlace::Where before, QWidget* focused, QWidget* fallback) const;

  private:
    CardImage* Card(int index) const;

    const game::Game& game_;
    const CardTableView& view_;
};

}  // namespace tazkova::ui
