/// The table as a screen reader tells it: every card by its Arabic name, each play, pick,
/// gather and score, and the counters, in Arabic words.
#pragma once

#include <QString>

#include "game/events.h"
#include "game/table_view.h"

namespace tazkova::ui {

/// The Arabic name of card n (1..40): its rank, then its suit ("سبعة ديناري").
QString SpokenCardName(int card);

/// A play as it is read out: who plays which card, and what it takes ("أنت تلعب سبعة ديناري
/// وتأخذ ثلاثة سباتي").
QString SpokenPlay(const game::Play& play);

/// A floor card picked for a capture, or put back.
QString SpokenPick(int card, bool picked);

/// The floor's rest gathered by a side at the hand's end.
QString SpokenGather(game::Side side);

/// The match totals after a hand.
QString SpokenScore(const game::ScoreSheet& sheet);

/// The counters as they are read out: match, hand and round.
QString SpokenCounters(const game::Counters& counters);

}  // namespace tazkova::ui
