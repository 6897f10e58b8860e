/// The table as a screen reader tells it: every card by its Arabic name and the counters, in
/// Arabic words (the plays, picks and scores are told by telling/arabic_plays).
#pragma once

#include <QString>

#include "game/events.h"
#include "game/table_view.h"

namespace tazkova::ui {

/// The Arabic name of card n (1..40): its rank, then its suit ("سبعة ديناري").
QString SpokenCardName(int card);

/// A message of the game as it is read aloud: the dinari rule's announcements in whole
/// sentences ("الحاسوب يجمع 8 أوراق ديناري: 10 نقاط له"), the rest as SpokenText reads it.
QString SpokenMessage(const QString& shown);

/// The counters as they are read out: match, hand and round.
QString SpokenCounters(const game::Counters& counters);

}  // namespace tazkova::ui
