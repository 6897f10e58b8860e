#include "ui/dialogs/coach_texts.h"

#include <QStringList>
#include <cmath>

#include "ui/access/spoken_texts.h"

namespace tazkova::ui {

namespace {

/// A count of points with one decimal, and the noun as Arabic counts it.
QString Points(double points) {
    const double rounded = std::round(std::abs(points) * 10) / 10;
    const QString number = QString::number(rounded, 'f', 1);
    if (rounded == 1.0) return QStringLiteral("نقطة واحدة");
    if (rounded == 2.0) return QStringLiteral("نقطتان");
    if (rounded >= 3.0 && rounded <= 10.0 && rounded == std::floor(rounded))
        return number + QStringLiteral(" نقاط");
    return number + QStringLiteral(" نقطة");
}

/// The floor cards of `takes`, in the floor's order, joined as a list is read.
QString TakenCards(game::CardSet takes, const game::SeatKnowledge& before) {
    QStringList cards;
    for (int f = 0; f < before.floorCount; ++f) {
        if (takes & game::CardBit(before.floor[f])) cards << SpokenCardName(before.floor[f]);
    }
    return cards.join(QStringLiteral(" و"));
}

}  // namespace

QString WorthText(double points) {
    if (std::round(std::abs(points) * 10) == 0) return QStringLiteral("لا لك ولا عليك");
    return (points > 0 ? QStringLiteral("لك ") : QStringLiteral("عليك ")) + Points(points);
}

QString PlayNoun(const game::ChosenPlay& play, const game::SeatKnowledge& before) {
    if (play.takes == 0)
        return QStringLiteral("وضع ") + SpokenCardName(play.card) + QStringLiteral(" على الأرض");
    return QStringLiteral("لعب ") + SpokenCardName(play.card) + QStringLiteral(" وأخذ ") +
           TakenCards(play.takes, before);
}

QString ReviewEntry(int number, const coach::Judgement& j, const game::SeatKnowledge& before) {
    QString text = QStringLiteral("الحركة %1: %2، قيمتها %3.")
                       .arg(number)
                       .arg(PlayNoun(j.play, before), WorthText(j.worth));
    if (j.Marked()) {
        text += QStringLiteral(" الأفضل: %1، قيمته %2، أي %3 أكثر.")
                    .arg(PlayNoun(j.best, before), WorthText(j.bestWorth), Points(j.Loss()));
    } else if (j.best == j.play) {
        text += QStringLiteral(" أفضل حركة.");
    } else {
        text += QStringLiteral(" قريبة من الأفضل.");
    }
    return text;
}

QString ReviewSummary(const std::vector<coach::Judgement>& review) {
    const coach::HandSummary summary = coach::Summarize(review);
    QString text =
        QStringLiteral("أعطيت بخياراتك في هذه اليد نحو %1.").arg(Points(summary.givenAway));
    if (summary.givenAway < 0.05) text = QStringLiteral("لم تعطِ بخياراتك في هذه اليد شيئًا يُذكر.");
    if (summary.worst)
        text += QStringLiteral(" أكثر ما كلّفك الحركة %1 (%2).")
                    .arg(*summary.worst + 1)
                    .arg(Points(review[*summary.worst].Loss()));
    return text;
}

QString HintReasonText(const coach::HintReason& reason, const game::SeatKnowledge& before) {
    if (!reason.next) return QStringLiteral("لا حركة غيرها");
    const double gain = reason.best.worth - reason.next->worth;
    if (std::round(gain * 10) == 0)
        return QStringLiteral("تساوي تقريبًا ") + PlayNoun(reason.next->play, before);
    return QStringLiteral("تزيد %1 على %2").arg(Points(gain), PlayNoun(reason.next->play, before));
}

}  // namespace tazkova::ui
