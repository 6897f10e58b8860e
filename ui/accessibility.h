/// The table as a screen reader tells it: every card by its Arabic name and where it lies,
/// the status line and the counters in Arabic words, and the cards as buttons a screen
/// reader can press.
#pragma once

#include <QString>

namespace tazkova::ui {

/// The Arabic name of card n (1..40): its rank, then its suit ("سبعة ديناري").
QString SpokenCardName(int card);

/// The status line's text as it is read out: the plays ("You Play 7d and win 7c") in Arabic
/// words, the other texts as they stand.
QString SpokenStatus(const QString& status);

/// The counters (" 1-2-3:اللعبة") as they are read out: match, hand and round.
QString SpokenCounters(const QString& counters);

/// Lets the card images be read and pressed by a screen reader.
void InstallCardAccessibility();

}  // namespace tazkova::ui
