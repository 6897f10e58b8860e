/// Counts each match and game the player finishes in the stored statistics, by the level
/// and the game type they were played at, the games with a play taken back apart.
#pragma once

#include <QObject>
#include <memory>

#include "game/events.h"

namespace tazkova::ui {

class Statistics;

class StatisticsKeeper : public QObject, public game::GameListener {
    Q_OBJECT
  public:
    explicit StatisticsKeeper(QObject* parent = nullptr);
    ~StatisticsKeeper() override;

    /// The stored tallies, read at their first use.
    Statistics& Stats();
    /// A play of the game under way was taken back.
    void PlayTakenBack() { tookBack_ = true; }
    bool PlayWasTakenBack() const { return tookBack_; }
    /// A game kept by an earlier window goes on here: it is counted when it ends, as the game
    /// it was, once.
    void Resumed(int level, int gameType, bool playTakenBack) {
        level_ = level;
        gameType_ = gameType;
        tookBack_ = playTakenBack;
    }

    void HandStarted(const game::HandStart& start) override;
    void MatchEnded(const game::MatchEnd& end) override;
    void GameEnded(game::Side winner) override;

  private:
    std::unique_ptr<Statistics> statistics_;
    int level_ = 4;  // what the game under way is played at
    int gameType_ = 2;
    bool tookBack_ = false;
};

}  // namespace tazkova::ui
