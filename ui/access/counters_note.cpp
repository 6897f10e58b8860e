#include "ui/access/counters_note.h"

#include <QLabel>

#include "ui/access/spoken_texts.h"
#include "ui/style/ui_texts.h"

namespace tazkova::ui {

QString CountersNote(const game::Game& game) {
    // Before the first deal the label shows the maker's name, and there is no total yet.
    if (game.State().Table.counters.match == 0) return QString::fromUtf8(kCountersBeforeAGame);
    return SpokenCounters(game.State().Table.counters) + QStringLiteral(". ") +
           QString::fromUtf8(kCountersTotals)
               .arg(game.State().YouPile.Score)
               .arg(game.State().MePile.Score)
               .arg(game.State().YouMatchWins)
               .arg(game.State().MeMatchWins);
}

void ExplainCounters(QLabel& counters, const game::Game& game) {
    const QString note = CountersNote(game);
    counters.setToolTip(note);
    // The label shows the maker's name until the first deal: it is called by it.
    const QString name = note == QString::fromUtf8(kCountersBeforeAGame) ? counters.text() : note;
    if (counters.accessibleName() != name) counters.setAccessibleName(name);
    counters.setAccessibleDescription(QString::fromUtf8(kCountersBeforeAGame));
}

}  // namespace tazkova::ui
