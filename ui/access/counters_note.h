/// The counters of the status line in words: what the three numbers are (the match, the
/// hand in it, the round being played) and the match's totals so far, for the counters'
/// tooltip and for a screen reader.
#pragma once

#include <QString>

#include "game/game.h"

class QLabel;

namespace tazkova::ui {

/// "الطرح 1، اليد 2، الدور 3. مجموع الطرح: أنت 12، الحاسوب 9": the counters as shown,
/// said in words, then the totals once a game has begun.
QString CountersNote(const game::Game& game);

/// Gives the counters label its tooltip and spoken name from what it shows and the game's
/// totals; a screen reader is told only of a name that changed.
void ExplainCounters(QLabel& counters, const game::Game& game);

}  // namespace tazkova::ui
