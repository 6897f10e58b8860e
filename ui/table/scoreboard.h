/// The scoreboard on the table: the match totals (you first), the matches won, whose turn it
/// is, and what each side has taken this hand (cards, scoring-suit cards, sevens, sweeps),
/// drawn at the table's scale, right to left, and read whole by a screen reader.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "game/events.h"
#include "game/game.h"

class QWidget;

namespace tazkova::ui {

class BoardView;
class TableLayout;

class Scoreboard : public QObject, public game::GameListener {
    Q_OBJECT
  public:
    Scoreboard(QWidget* window, TableLayout& layout, const game::Game& game);

    /// Brings it up to the game as it stands, at rest (after a play taken back too).
    void Refresh();

    // game::GameListener: brought up to date as the game goes.
    void HandStarted(const game::HandStart& start) override;
    void PlayMade(const game::Play& play) override;
    void RestGathered(const game::Gather& gather) override;
    void HandScored(const game::ScoreSheet& sheet) override;

  private:
    void Show();

    struct Sweep {
        int play;  // the play's number in the hand, 0-based
        game::Side side;
    };
    const game::Game& game_;
    BoardView* board_ = nullptr;
    std::vector<Sweep> sweeps_;
    bool computerToPlay_ = false;
    bool handOver_ = true;
};

}  // namespace tazkova::ui
