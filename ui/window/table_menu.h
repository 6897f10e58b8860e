/// The commands of the table as actions with their keys (the usual desktop keys, which work
/// on any keyboard layout), and the menu that lists them with their keys shown.
#pragma once

#include <QKeySequence>
#include <QString>
#include <array>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace tazkova::ui {

struct TableActions {
    QAction* newGame = nullptr;
    QAction* options = nullptr;
    QAction* results = nullptr;
    QAction* hint = nullptr;
    QAction* takeBack = nullptr;
    QAction* statistics = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    std::array<QAction*, 4> zoom{};  // 100, 150, 200 and 300 per cent
    QAction* fullScreen = nullptr;
    QAction* motion = nullptr;
    QAction* arabicPlays = nullptr;  // the status line tells the plays in Arabic
    QAction* sound = nullptr;
    QAction* faster = nullptr;
    QAction* slower = nullptr;
    QAction* manual = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
    QAction* quit = nullptr;
    QAction* decks = nullptr;   // the choice of card decks
    QAction* story = nullptr;   // the hand's story, told in Arabic
    QAction* review = nullptr;  // the review of the last hand played out
};

/// Makes the actions, each with its Arabic text and its key, and adds them to `window` so
/// that the keys work whenever the window is active.
TableActions MakeTableActions(QWidget* window);

/// The table's menu, right to left, with every action and its key.
QMenu* MakeTableMenu(const TableActions& actions, QWidget* parent);

/// Every key of the table as (what it does, its key): the commands, then the keys of the
/// cards.
std::vector<std::pair<QString, QString>> TableKeys(const TableActions& actions);

/// "caption (key)": what a button's tooltip says, so the player learns its key.
QString WithKey(const QString& caption, const QAction* action);

}  // namespace tazkova::ui
