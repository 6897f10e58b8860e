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

QString Cell(const QString& text, bool head = false) {
    return (head ? QStringLiteral("<th align=right>") : QStringLiteral("<td align=center>")) +
           text + (head ? QStringLiteral("</th>") : QStringLiteral("</td>"));
}

QString HtmlRow(const QString& label, int you, int computer) {
    return QStringLiteral("<tr>") + Cell(label, true) + Cell(QString::number(you)) +
           Cell(QString::number(computer)) + QStringLiteral("</tr>");
}

}  // namespace

QString ScoreboardHtml(const ScoreboardFigures& f) {
    QString html = QStringLiteral("<table dir=rtl cellspacing=0 cellpadding=1 width=100%>");
    html += QStringLiteral("<tr><th></th>") + Cell(QStringLiteral("أنت"), true) +
            Cell(QStringLiteral("الحاسوب"), true) + QStringLiteral("</tr>");
    html += HtmlRow(QStringLiteral("الطرح"), f.you.matchTotal, f.computer.matchTotal);
    html += HtmlRow(QStringLiteral("الطروح الرابحة"), f.you.matchesWon, f.computer.matchesWon);
    html += QStringLiteral("<tr><th colspan=3 align=right>هذه اليد</th></tr>");
    for (const Row& row : kHandRows)
        html += HtmlRow(QString::fromUtf8(row.label), f.you.*row.figure, f.computer.*row.figure);
    html += QStringLiteral("</table>");
    const QString turn = TurnText(f.turn);
    if (!turn.isEmpty())
        html += QStringLiteral("<p align=center><b>") + turn + QStringLiteral("</b></p>");
    return html;
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
