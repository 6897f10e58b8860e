#include "ui/access/spoken_texts.h"

#include <QStringList>
#include <array>

#include "game/cards.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

namespace {

// The ranks and the suits as Arabic card players name them.
constexpr std::array<const char*, 11> kRankNames{"",    "آس",   "اثنان", "ثلاثة", "أربعة", "خمسة",
                                                 "ستة", "سبعة", "بنت",   "ولد",   "ملك"};
constexpr std::array<const char*, 4> kSuitNames{"سباتي", "ديناري", "كبة", "بستوني"};

/// Cards in Arabic, joined by "و" as they are spoken.
QString SpokenCards(const game::CardList& cards) {
    QStringList spoken;
    for (const int card : cards) spoken << SpokenCardName(card);
    return spoken.join(QStringLiteral(" و"));
}

}  // namespace

QString SpokenCardName(int card) {
    if (card < 1 || card > game::kDeckSize) return {};
    return Utf8(kRankNames[game::CardRank(card)]) + u' ' + Utf8(kSuitNames[(card - 1) / 10]);
}

QString SpokenPlay(const game::Play& play) {
    const bool you = play.side == game::Side::Human;
    QString spoken = (you ? QStringLiteral("أنت تلعب ") : QStringLiteral("الحاسوب يلعب ")) +
                     SpokenCardName(play.card);
    if (!play.Laid())
        spoken +=
            (you ? QStringLiteral(" وتأخذ ") : QStringLiteral(" ويأخذ ")) + SpokenCards(play.taken);
    if (play.sweep) spoken += QStringLiteral("، تزكوفا!");
    return spoken;
}

QString SpokenPick(int card, bool picked) {
    return SpokenCardName(card) + u' ' +
           (picked ? QStringLiteral("أضيفت إلى الأوراق الملتقطة")
                   : QStringLiteral("أزيلت من الأوراق الملتقطة"));
}

QString SpokenGather(game::Side side) {
    return side == game::Side::Human ? QStringLiteral("أنت تجمع ما بقي على الأرض")
                                     : QStringLiteral("الحاسوب يجمع ما بقي على الأرض");
}

QString SpokenScore(const game::ScoreSheet& sheet) {
    return QStringLiteral("النتيجة: الحاسوب %1، أنت %2")
        .arg(sheet.computer.matchTotal.value_or(0))
        .arg(sheet.human.matchTotal.value_or(0));
}

QString SpokenCounters(const game::Counters& counters) {
    if (counters.match == 0) return QStringLiteral("Qorvel");
    return QStringLiteral("الطرح %1، اليد %2، الدور %3")
        .arg(counters.match)
        .arg(counters.hand)
        .arg(counters.round);
}

}  // namespace tazkova::ui
