#include "ui/stats/statistics_keeper.h"

#include "ui/stats/statistics.h"

namespace tazkova::ui {

StatisticsKeeper::StatisticsKeeper(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("StatisticsKeeper"));
}

StatisticsKeeper::~StatisticsKeeper() = default;

Statistics& StatisticsKeeper::Stats() {
    if (!statistics_) statistics_ = std::make_unique<Statistics>(Statistics::UserFile());
    return *statistics_;
}

void StatisticsKeeper::HandStarted(const game::HandStart& start) {
    // A new game is counted as one with no play taken back until one is, at the level and
    // the game type it begins with (changing them starts a new game).
    if (!start.newGame) return;
    tookBack_ = false;
    level_ = start.level;
    gameType_ = start.gameType;
}

void StatisticsKeeper::MatchEnded(const game::MatchEnd& end) {
    Stats().CountMatch(level_, gameType_, tookBack_, end.humanTotal, end.computerTotal,
                       end.winner == game::Side::Human);
}

void StatisticsKeeper::GameEnded(game::Side winner) {
    Stats().CountGame(level_, gameType_, tookBack_, winner == game::Side::Human);
}

}  // namespace tazkova::ui
