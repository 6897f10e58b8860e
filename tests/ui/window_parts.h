/// The parts of the card table a widget test looks at, found in the window by their object
/// names as the controls are: the game runner with the game and its table view, the cards,
/// the commands, the dialogs and the statistics.
#pragma once

#include <QAction>
#include <QWidget>

#include "game/game.h"
#include "ui/stats/statistics.h"
#include "ui/stats/statistics_keeper.h"
#include "ui/table/card_widgets.h"
#include "ui/table/pause_loop.h"
#include "ui/table/table_view.h"
#include "ui/window/game_runner.h"
#include "ui/window/table_commands.h"
#include "ui/window/table_dialogs.h"

namespace tazkova::testing {

/// The window's part of type `Part` named `name`; the test stops at once when there is none.
template <class Part>
Part& PartOf(const QWidget& window, const char* name) {
    auto* part = window.findChild<Part*>(QLatin1String(name));
    if (!part) qFatal("the window has no %s", name);
    return *part;
}

inline ui::GameRunner& Runner(const QWidget& w) {
    return PartOf<ui::GameRunner>(w, "GameRunner");
}
inline game::Game& GameOf(const QWidget& w) {
    return Runner(w).game();
}
inline ui::CardTableView& ViewOf(const QWidget& w) {
    return Runner(w).View();
}
inline ui::PauseLoop& PausesOf(const QWidget& w) {
    return Runner(w).Pauses();
}
/// Card image `image` (0 to 39), showing card image + 1.
inline ui::CardImage* CardOf(const QWidget& w, int image) {
    for (ui::CardImage* card : w.findChildren<ui::CardImage*>())
        if (card->Index() == image) return card;
    qFatal("the window has no card image %d", image);
}
inline const ui::TableActions& ActionsOf(const QWidget& w) {
    return PartOf<ui::TableCommands>(w, "TableCommands").Actions();
}
inline QMenu* MenuOf(const QWidget& w) {
    return PartOf<ui::TableCommands>(w, "TableCommands").Menu();
}
inline ui::TableDialogs& DialogsOf(const QWidget& w) {
    return PartOf<ui::TableDialogs>(w, "TableDialogs");
}
inline ui::Statistics& StatsOf(const QWidget& w) {
    return PartOf<ui::StatisticsKeeper>(w, "StatisticsKeeper").Stats();
}
inline int ZoomOf(const QWidget& w) {
    return ViewOf(w).Layout().Zoom();
}
/// Chooses the table's size in the menu: 100, 150, 200 or 300 per cent.
inline void ChooseZoom(const QWidget& w, int percent) {
    for (QAction* size : ActionsOf(w).zoom)
        if (size->data().toInt() == percent) return size->trigger();
    qFatal("the table has no size of %d per cent", percent);
}
/// Switches the cards' motion in the menu, on or off.
inline void ChooseMotion(const QWidget& w, bool on) {
    QAction* motion = ActionsOf(w).motion;
    if (motion->isChecked() != on) motion->trigger();
    if (motion->isChecked() != on) qFatal("the motion did not switch");
}

}  // namespace tazkova::testing
