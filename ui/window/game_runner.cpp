#include "ui/window/game_runner.h"

#include <QApplication>

#include "ui/table/pause_loop.h"

namespace tazkova::ui {

GameRunner::GameRunner(QObject* parent, game::Game& game, CardTableView& view, PauseLoop& pauses)
    : QObject(parent), game_(game), view_(view), pauses_(pauses) {
    setObjectName(QStringLiteral("GameRunner"));
}

bool GameRunner::Busy() const {
    return running_ || pauses_.Busy();
}

bool GameRunner::Run(const std::function<void()>& action) {
    if (running_) return false;
    running_ = true;
    action();
    running_ = false;
    pauses_.DropPendingInput();
    if (pauses_.Quitting()) {
        QApplication::quit();
        return false;
    }
    return true;
}

}  // namespace tazkova::ui
