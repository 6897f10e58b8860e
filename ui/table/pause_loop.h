/// The game's pauses in the window: while the game waits, the window keeps painting, lets the
/// cards glide and answers the window manager, and the player's clicks and keys made
/// meanwhile are dropped, not queued.
#pragma once

#include <QObject>

#include "game/ports.h"

class QEventLoop;

namespace tazkova::ui {

class PauseLoop : public QObject, public game::Pauser {
  public:
    /// Watches the whole application's input from now on.
    explicit PauseLoop(QObject* parent);
    ~PauseLoop() override;

    /// Waits n units of 10^-8 day (0.864 ms) in an event loop of its own.
    void Wait(int n) override;
    /// The expert's search runs on a thread of its own while the window goes on painting and
    /// answering; input meanwhile is dropped, as in a pause.
    void Think(const std::function<void()>& work) override;
    /// Handles what arrived meanwhile, dropping the player's input.
    void DropPendingInput();
    /// Inside a pause: the player's input is dropped.
    bool Busy() const { return busy_ > 0; }
    /// The window is closing: the pause under way ends at once, and the rest take no time.
    void Quit();
    bool Quitting() const { return quitting_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QEventLoop* loop_ = nullptr;  // the pause under way
    int busy_ = 0;
    bool quitting_ = false;
};

}  // namespace tazkova::ui
