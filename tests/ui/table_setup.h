/// A chosen table in the window, for the widget tests: the new-game button pressed, then the
/// hands and the floor replaced by the cards a test names.
#pragma once

#include <QPushButton>
#include <QTest>
#include <vector>

#include "ui/main_window.h"

namespace tazkova::testing {

using namespace tazkova::ui;

using namespace tazkova::game;

inline void PressNewGame(MainWindow& form) {
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
}

/// Lays out the hands and the floor with the given cards (all shown), the human to play.
inline void ArrangeTable(MainWindow& form, const std::vector<int>& me, const std::vector<int>& you,
                         const std::vector<int>& floor) {
    Game& g = form.game();
    for (int i = 0; i < kDeckSize; ++i) {
        form.SetImageVisible(i, false);
        form.SetImageEnabled(i, true);
        form.SetImageTag(i, 0);
    }
    auto fill = [&](Pile& pile, const std::vector<int>& cards) {
        pile.Count = static_cast<int>(cards.size());
        for (int i = 0; i < pile.Count; ++i) {
            pile.Cards[i + 1] = cards[i];
            pile.Slots[i + 1] = i + 1;
            form.SetImageTag(cards[i] - 1, 1);
        }
        g.LayOutPile(pile, true);
    };
    fill(g.MePile, me);
    fill(g.YouPile, you);
    fill(g.FloorPile, floor);
    g.PlayCount = 1;
    g.InputState = 1;
    g.PickedSet.reset();
}

}  // namespace tazkova::testing
