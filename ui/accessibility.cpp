#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QTimer>
#include <array>

#include "game/cards.h"
#include "ui/card_widgets.h"
#include "ui/ui_texts.h"
#include "ui/utf8.h"

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

/// A card image as a button a screen reader can press: its name says the card, its
/// description where it lies and how it is marked.
class CardAccessible : public QAccessibleWidget {
  public:
    explicit CardAccessible(CardImage* card) : QAccessibleWidget(card, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const CardImage& card = Card();
        if (kind == QAccessible::Name) return SpokenCardName(card.Index() + 1);
        if (kind != QAccessible::Description) return QAccessibleWidget::text(kind);
        const CardPlace place = card.Table().PlaceOf(card.Index());
        QStringList parts;
        switch (place.where) {
            case CardPlace::Where::YourHand:
                parts << Utf8(kInYourHand);
                break;
            case CardPlace::Where::Floor:
                parts << Utf8(kOnTheFloor);
                break;
            case CardPlace::Where::ComputersHand:
                parts << Utf8(kInComputersHand);
                break;
            case CardPlace::Where::Elsewhere:
                break;
        }
        if (place.chosen) parts << Utf8(kChosen);
        if (place.picked) parts << Utf8(kPicked);
        if (place.hinted) parts << Utf8(kHinted);
        if (place.waitedFor) parts << Utf8(kWaitedFor);
        return parts.join(QStringLiteral("، "));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const CardPlace place = Card().Table().PlaceOf(Card().Index());
        state.checkable = true;
        state.checked = place.chosen || place.picked;
        return state;
    }

    QStringList actionNames() const override {
        return Card().isEnabled() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        // The play runs after the screen reader's request has been answered: a play pauses,
        // and a request must not wait for it.
        CardImage* card = &Card();
        QTimer::singleShot(0, card, [card] { card->Table().ActivateCard(card->Index()); });
    }

  private:
    CardImage& Card() const { return *static_cast<CardImage*>(widget()); }
};

QAccessibleInterface* CardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(CardImage::staticMetaObject.className()) && object &&
        object->isWidgetType()) {
        return new CardAccessible(static_cast<CardImage*>(object));
    }
    return nullptr;
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

void InstallCardAccessibility() {
    static const bool installed = (QAccessible::installFactory(CardFactory), true);
    (void)installed;
}

}  // namespace tazkova::ui
