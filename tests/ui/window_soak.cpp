#include "tests/ui/window_soak.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <random>
#include <vector>

#include "game/recording.h"
#include "tests/soak/table_checks.h"
#include "tests/ui/window_parts.h"
#include "ui/main_window.h"

namespace tazkova::testing {

namespace {

using game::SeedChoice;
using ui::MainWindow;

constexpr std::size_t kStepsKept = 40;

/// A key as the player presses it: the key and its modifiers.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

/// The keys a player reaches for at the table and in the dialogs, besides the table's own.
constexpr Key kPlainKeys[] = {
    {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Left, Qt::NoModifier},   {Qt::Key_Right, Qt::NoModifier},
    {Qt::Key_Up, Qt::NoModifier},     {Qt::Key_Down, Qt::NoModifier},
    {Qt::Key_Home, Qt::NoModifier},   {Qt::Key_End, Qt::NoModifier},
    {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},
    {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_F4, Qt::AltModifier},    {Qt::Key_A, Qt::NoModifier},
};

class WindowSoak {
  public:
    WindowSoak(std::uint64_t seed, long steps) : rng_(seed), target_(steps) {}

    WindowSoakReport Run() {
        const bool quitOnClose = QApplication::quitOnLastWindowClosed();
        QApplication::setQuitOnLastWindowClosed(true);
        while (report_.steps < target_ && report_.fault.empty()) {
            if (!window_ || !window_->isVisible()) NewWindow();
            Timer(0).start();
            // Ends when the soak is done, or when the window was closed: by the player between
            // plays (the last window closed), or in the middle of a play (the program ends).
            QApplication::exec();
            Timer(0).stop();
        }
        window_.reset();
        QApplication::setQuitOnLastWindowClosed(quitOnClose);
        return report_;
    }

  private:
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    void NewWindow() {
        // Closing the old window first: its dialogs go with it.
        window_.reset();
        window_ = std::make_unique<MainWindow>(
            SeedChoice{SeedChoice::Kind::Advance, static_cast<std::uint32_t>(1 + Below(99999))},
            std::make_unique<game::SilentTable>());
        window_->show();
        ++report_.windows;
        KeepThePausesShort();
        Note("new window");
    }

    /// Short pauses, so that many plays are made, and now and then none at all: a player who
    /// slowed the game down too far speeds it up again.
    void KeepThePausesShort() {
        if (GameOf(*window_).State().DelayTime <= 60) return;
        static constexpr int kSpeeds[] = {0, 0, 5, 10, 20, 40, 60};
        const int delay = kSpeeds[Below(std::size(kSpeeds))];
        Note("speed " + std::to_string(delay));
        window_->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(delay);
    }

    void Note(std::string step) {
        report_.lastSteps.push_back(std::move(step));
        if (report_.lastSteps.size() > kStepsKept) report_.lastSteps.pop_front();
    }

    /// The timer of the steps taken at a depth of nested event loops. A timer never fires
    /// again while its own step runs, so the steps taken inside a pause or a dialog that a
    /// step began come from the timer one deeper.
    QTimer& Timer(std::size_t depth) {
        while (timers_.size() <= depth) {
            auto timer = std::make_unique<QTimer>();
            // Between plays a step follows the last at once; inside a pause or a dialog every
            // few milliseconds, so that the game goes on meanwhile.
            timer->setInterval(timers_.empty() ? 0 : 3);
            const std::size_t at = timers_.size();
            QObject::connect(timer.get(), &QTimer::timeout, [this, at] {
                Timer(at + 1).start();
                Step();
                Timer(at + 1).stop();
            });
            timers_.push_back(std::move(timer));
        }
        return *timers_[depth];
    }

    /// One step on whatever is in front: the menu, a dialog, or the table.
    void Step() {
        if (report_.steps >= target_ || !report_.fault.empty()) {
            QApplication::exit(0);
            return;
        }
        ++report_.steps;
        // Now and then the player changes: a steady one mostly plays cards and answers the
        // dialogs, so that games are played to their end; a careless one does anything.
        if (report_.steps % 500 == 1) {
            steady_ = Chance(50);
            Note(steady_ ? "a steady player" : "a careless player");
        }
        const bool nested = Runner(*window_).Running();
        report_.nestedSteps += nested ? 1 : 0;
        const int handBefore = GameOf(*window_).State().HandNumber;
        const bool gameBefore = GameOf(*window_).State().GameActive;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            ++report_.modalSteps;
            OnMenu(popup);
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            ++report_.modalSteps;
            // Now and then the player tries the table behind the dialog.
            Chance(10) ? OnTable() : OnDialog(modal);
        } else {
            OnTable();
        }
        if (GameOf(*window_).State().HandNumber != handBefore) ++report_.hands;
        if (gameBefore && !GameOf(*window_).State().GameActive) ++report_.gamesWon;
        Check();
        KeepThePausesShort();
    }

    /// The table's rules where the engine's soak checks them: between the plays, and in the
    /// pauses of a play. Inside a dialog that a play shows (the score sheet, the options, a
    /// message) the play is halfway through a step of its own; the next pause or the end of
    /// the play checks what it did.
    void Check() {
        if (Runner(*window_).Running() && !PausesOf(*window_).Busy()) return;
        ++report_.checks;
        game::RecordingTable shown;
        shown.ShowTable(GameOf(*window_).State().Table);
        const soak::Moment moment =
            PausesOf(*window_).Busy() ? soak::Moment::DuringPause : soak::Moment::BetweenCommands;
        std::string broken = soak::BrokenRule(GameOf(*window_), shown, moment);
        // And the window shows the cards as the table holds them, but for a captured card
        // still sliding away.
        for (int i = 0; broken.empty() && i < game::kDeckSize; ++i) {
            const game::ImageState& image = shown.Images()[i];
            const QWidget* card = CardOf(*window_, i);
            const bool vanishing = !image.visible && ViewOf(*window_).Motion().Moving(card);
            if ((card->isVisibleTo(window_.get()) != image.visible && !vanishing) ||
                card->isEnabled() != image.enabled)
                broken = "card image " + std::to_string(i) + " is " +
                         (card->isVisibleTo(window_.get()) ? "shown" : "hidden") + " and " +
                         (card->isEnabled() ? "enabled" : "disabled") +
                         ", but the table holds it " + (image.visible ? "shown" : "hidden") +
                         " and " + (image.enabled ? "enabled" : "disabled");
        }
        if (broken.empty()) return;
        report_.fault = broken + " (after step " + std::to_string(report_.steps) + ": " +
                        report_.lastSteps.back() + ")";
        QApplication::exit(0);
    }

    /// A point in `widget`'s window: the middle of one of its visible children, or anywhere.
    QPoint Target(QWidget* widget, std::string& what) {
        const QList<QWidget*> children = widget->findChildren<QWidget*>();
        std::vector<QWidget*> shown;
        for (QWidget* child : children) {
            if (child->isVisible() && child->window() == widget->window()) shown.push_back(child);
        }
        QWidget* child = !shown.empty() && Chance(75) ? shown[Below(int(shown.size()))] : nullptr;
        // The table's finish button ends the program: pressed only now and then.
        if (child && child->objectName() == QStringLiteral("BitBtn1") && !Chance(5))
            child = nullptr;
        if (child) {
            what = child->objectName().toStdString();
            if (what.empty()) what = child->metaObject()->className();
            // The part of it that lies in the window, where the player can reach it.
            const QRect reach = widget->window()->rect() &
                                QRect(child->mapTo(widget->window(), QPoint(0, 0)), child->size());
            if (!reach.isEmpty()) return reach.center();
        }
        const QSize size = widget->window()->size();
        const QPoint point(Below(size.width()), Below(size.height()));
        what = "(" + std::to_string(point.x()) + "," + std::to_string(point.y()) + ")";
        return point;
    }

    void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        std::string what;
        const QPoint point = Target(widget, what);
        Note(std::string(button == Qt::RightButton ? "right-click " : "click ") + what);
        QTest::mouseClick(widget->window()->windowHandle(), button, Qt::NoModifier, point);
    }

    void Press(QWidget* widget, const Key& key) {
        Note("key " + QKeySequence(key.key | key.modifiers).toString().toStdString());
        QTest::keyClick(widget->window()->windowHandle(), key.key, key.modifiers);
    }

    /// A card that the table shows, or anywhere on the table when it shows none.
    QPoint CardPoint(std::string& what) {
        std::vector<int> shown;
        for (int i = 0; i < game::kDeckSize; ++i) {
            if (CardOf(*window_, i)->isVisible()) shown.push_back(i);
        }
        if (shown.empty()) {
            what = "the cloth";
            return QPoint(Below(window_->width()), Below(window_->height()));
        }
        const int card = shown[Below(static_cast<int>(shown.size()))];
        what = "card " + std::to_string(card);
        const QWidget* image = CardOf(*window_, card);
        // A card sliding away may be partly off the table: the player aims at what is on it.
        const QRect onTable = window_->rect() & image->geometry();
        return onTable.isEmpty() ? window_->rect().center() : onTable.center();
    }

    void OnTable() {
        QWindow* window = window_->windowHandle();
        const int choice = steady_ && Chance(95) ? 0 : Below(100);
        if (choice < 35) {
            std::string what;
            const QPoint point = CardPoint(what);
            Note("click " + what);
            QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, point);
        } else if (choice < 47) {
            // A drag from one card to another, or to anywhere.
            std::string from, to = "anywhere";
            const QPoint start = CardPoint(from);
            const QPoint end = Chance(70)
                                   ? CardPoint(to)
                                   : QPoint(Below(window_->width()), Below(window_->height()));

            Note("drag " + from + " to " + to);
            QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
            QTest::mouseMove(window, (start + end) / 2);
            QTest::mouseMove(window, end);
            QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, end);
        } else if (choice < 62) {
            Click(window_.get());
        } else if (choice < 64) {
            Click(window_.get(), Qt::RightButton);
        } else if (choice < 84) {
            // One of the table's own keys, as its actions have them.
            const QList<QAction*> actions = window_->actions();
            const QKeySequence keys = actions[Below(static_cast<int>(actions.size()))]->shortcut();
            if (keys.isEmpty()) return;
            // Quitting is left to the rarer closings below.
            if (keys == ActionsOf(*window_).quit->shortcut() && !Chance(5)) return;
            Press(window_.get(), {keys[0].key(), keys[0].keyboardModifiers()});
        } else if (choice < 99 || !Chance(30)) {
            Press(window_.get(), kPlainKeys[Below(std::size(kPlainKeys))]);
        } else {
            Note("close the window");
            window_->close();
        }
    }

    void OnDialog(QWidget* dialog) {
        if (steady_ && Chance(80)) {
            Press(dialog, {Qt::Key_Return, Qt::NoModifier});
            return;
        }
        const int choice = Below(100);
        if (choice < 55) {
            Click(dialog);
        } else if (choice < 95) {
            Press(dialog, kPlainKeys[Below(std::size(kPlainKeys))]);
        } else if (choice < 99 || !Chance(30)) {
            Note("close the dialog");
            dialog->close();
        } else {
            Note("close the window behind the dialog");
            window_->close();
        }
    }

    void OnMenu(QWidget* menu) {
        if (Chance(70)) {
            Click(menu);
        } else {
            Press(menu, kPlainKeys[Below(std::size(kPlainKeys))]);
        }
    }

    std::mt19937_64 rng_;
    long target_;
    std::vector<std::unique_ptr<QTimer>> timers_;
    std::unique_ptr<MainWindow> window_;
    bool steady_ = false;
    WindowSoakReport report_;
};

}  // namespace

WindowSoakReport RunWindowSoak(std::uint64_t seed, long steps) {
    // The offscreen platform says, at every menu and every drag, what it cannot do (raise a
    // window, grab the keyboard); that is not news. Everything else is passed on.
    static QtMessageHandler passOn = nullptr;
    passOn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                       const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
            return;
        passOn(type, context, text);
    });
    WindowSoakReport report = WindowSoak(seed, steps).Run();
    qInstallMessageHandler(passOn);
    return report;
}

}  // namespace tazkova::testing
