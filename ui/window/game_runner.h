/// The game's actions run for the window one at a time: a play, a deal or a dialog of the
/// game runs to its end before another can start, and the player's input that arrived
/// meanwhile is dropped after it.
#pragma once

#include <QObject>
#include <functional>

#include "game/game.h"

namespace tazkova::ui {

class CardTableView;
class PauseLoop;

class GameRunner : public QObject {
    Q_OBJECT
  public:
    GameRunner(QObject* parent, game::Game& game, CardTableView& view, PauseLoop& pauses);

    game::Game& game() const { return game_; }
    CardTableView& View() const { return view_; }
    PauseLoop& Pauses() const { return pauses_; }
    /// A play, a deal or a dialog of the game is under way: the table is in the middle of it.
    bool Running() const { return running_; }
    /// Running, or in one of the game's pauses: the player's input is not taken now.
    bool Busy() const;
    /// Runs `action` to its end, then drops the input that arrived meanwhile. False when it
    /// did not run (another is under way) or when the window closed meanwhile: the program
    /// then ends.
    bool Run(const std::function<void()>& action);

  private:
    game::Game& game_;
    CardTableView& view_;
    PauseLoop& pauses_;
    bool running_ = false;
};

}  // namespace tazkova::ui
