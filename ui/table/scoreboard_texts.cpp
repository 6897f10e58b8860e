#include "ui/table/scoreboard_texts.h"

#include <QStringList>
#include <array>

namespace tazkova::ui {

namespace {

struct Row {
    const char* label;
    int ScoreboardFigures::Side::*figure;
};

// This hand's rows; the match's two come first.
constexpr std::array<Row, 4> kHandRows{{
    {"الأوراق", &ScoreboardFigures::Side::cards},
    {"الديناري", &ScoreboardFigures::Side::scoringSuit},
    {"السبعات", &ScoreboardFigures::Side::sevens},
    {"الكنسات", &ScoreboardFigures::Side::sweeps},
}};

QString TurnText(ScoreboardFigures::Turn turn) {
    switch (turn) {
        case ScoreboardFigures::Turn::You:
            return QStringLiteral("اللعب لك");
        case ScoreboardFigures::Turn::Computer:
            return QStringLiteral("يلعب الحاسوب");
        case ScoreboardFigures::Turn::None:
            break;
    }
    return {};
}

}  // namespace

std::vector<ScoreboardLine> ScoreboardLines(const ScoreboardFigures& f) {
    std::vector<ScoreboardLine> lines{
        {QString(), QStringLiteral("أنت"), QStringLiteral("الحاسوب")},
        {QStringLiteral("الطرح"), QString::number(f.you.matchTotal),
         QString::number(f.computer.matchTotal)},
        {QStringLiteral("طروح رابحة"), QString::number(f.you.matchesWon),
         QString::number(f.computer.matchesWon)},
    };
    for (const Row& row : kHandRows)
        lines.push_back({QString::fromUtf8(row.label), QString::number(f.you.*row.figure),
                         QString::number(f.computer.*row.figure)});
    return lines;
}

QString ScoreboardSpoken(const ScoreboardFigures& f) {
    QStringList parts;
    parts << QString::fromUtf8(kScoreboardName);
    parts << QStringLiteral("الطرح: أنت %1، الحاسوب %2")
                 .arg(f.you.matchTotal)
                 .arg(f.computer.matchTotal);
    parts << QStringLiteral("الطروح الرابحة: أنت %1، الحاسوب %2")
                 .arg(f.you.matchesWon)
                 .arg(f.computer.matchesWon);
    const QString turn = TurnText(f.turn);
    if (!turn.isEmpty()) parts << turn;
    for (const Row& row : kHandRows) {
        parts << QStringLiteral("%1 في هذه اليد: أنت %2، الحاسوب %3")
                     .arg(QString::fromUtf8(row.label))
                     .arg(f.you.*row.figure)
                     .arg(f.computer.*row.figure);
    }
    return parts.join(QStringLiteral("؛ "));
}

}  // namespace tazkova::ui
