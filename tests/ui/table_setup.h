/// A chosen table in the window, for the widget tests: the new-game button pressed, then the
/// hands and the floor replaced by the cards a test names; and the modal dialogs closed as
/// they open.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "game/recording.h"
#include "tests/ui/window_parts.h"
#include "ui/main_window.h"

namespace tazkova::testing {

using namespace tazkova::ui;

using namespace tazkova::game;

#if defined(__SANITIZE_ADDRESS__)
/// The address sanitizer makes the window's work about twice as slow (the first deal's
/// longest turn: 6 to 9 ms in the normal build, 11 to 16 ms with the sanitizer).
constexpr qint64 kSlowdown = 2;
#else
constexpr qint64 kSlowdown = 1;
#endif

/// A window at the table with the keyboard, a silent recording table for its sounds, and no
/// pauses.
inline std::unique_ptr<MainWindow> MakeActiveWindow() {
    auto window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 5},
                                               std::make_unique<RecordingTable>());
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
    return window;
}

/// Closes every modal dialog as soon as it opens, noting which ones were shown.
class ModalCloser {
  public:
    ModalCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown_.push_back(modal->objectName());
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->accept();
                else
                    modal->close();
            }
        });
        timer_.start();
    }
    int Count(const QString& name) const {
        return static_cast<int>(std::count(shown_.begin(), shown_.end(), name));
    }

  private:
    QTimer timer_;
    std::vector<QString> shown_;
};

inline void PressNewGame(MainWindow& form) {
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
}

/// Lays out the hands and the floor with the given cards (all shown), the human to play.
inline void ArrangeTable(MainWindow& form, const std::vector<int>& me, const std::vector<int>& you,
                         const std::vector<int>& floor) {
    Game& g = GameOf(form);
    for (ImageState& image : StateEditor::Of(g).Table.images) {
        image.visible = false;
        image.enabled = true;
        image.tag = 0;
    }
    ViewOf(form).ShowTable(g.State().Table);
    auto fill = [&](Pile& pile, const std::vector<int>& cards) {
        pile.Count = static_cast<int>(cards.size());
        for (int i = 0; i < pile.Count; ++i) {
            pile.Cards[i + 1] = cards[i];
            pile.Slots[i + 1] = i + 1;
            StateEditor::Of(g).Table.images[cards[i] - 1].tag = 1;
        }
        g.LayOutPile(pile, true);
    };
    fill(StateEditor::Of(g).MePile, me);
    fill(StateEditor::Of(g).YouPile, you);
    fill(StateEditor::Of(g).FloorPile, floor);
    StateEditor::Of(g).PlayCount = 1;
    StateEditor::Of(g).Input = InputState::ChooseCard;
    StateEditor::Of(g).PickedSet.reset();
}

}  // namespace tazkova::testing
