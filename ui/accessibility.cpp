#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <array>

#include "game/cards.h"
#include "ui/card_widgets.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

namespace {

// The ranks and the suits as Arabic card players name them.
constexpr std::array<const char*, 11> kRankNames{"",    "آس",   "اثنان", "ثلاثة", "أربعة", "خمسة",
                                                 "ستة", "سبعة", "بنت",   "ولد",   "ملك"};
constexpr std::array<const char*, 4> kSuitNames{"سباتي", "ديناري", "كبة", "بستوني"};

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

/// The card a short name stands for ("7d", "Qc"), or 0.
int CardOfName(const QString& name) {
    for (int n = 1; n <= game::kDeckSize; ++n) {
        if (QString::fromStdString(game::MakeCardName(n)) == name) return n;
    }
    return 0;
}

/// The cards of a list of short names, in Arabic, joined by "و" as they are spoken.
QString SpokenCards(const QString& names) {
    QStringList spoken;
    for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) {
        const int card = CardOfName(name);
        spoken << (card ? SpokenCardName(card) : name);
    }
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

QString SpokenStatus(const QString& status) {
    static const QRegularExpression play(
        QStringLiteral("^(You|  I) Play (\\S+)(?: and (win|pick) (.*?))?( Tazkova!!)?$"));
    static const QRegularExpression gather(QStringLiteral("^(You|  I) Gather the rest"));
    static const QRegularExpression result(QStringLiteral("^Result:  Me =(-?\\d+) You =(-?\\d+)$"));
    const bool you = status.startsWith(QLatin1String("You"));
    if (const auto m = play.match(status); m.hasMatch()) {
        QString spoken = (you ? QStringLiteral("أنت تلعب ") : QStringLiteral("الحاسوب يلعب ")) +
                         SpokenCards(m.captured(2));
        if (m.hasCaptured(3))
            spoken += (you ? QStringLiteral(" وتأخذ ") : QStringLiteral(" ويأخذ ")) +
                      SpokenCards(m.captured(4));
        if (m.hasCaptured(5)) spoken += QStringLiteral("، تزكوفا!");
        return spoken;
    }
    if (gather.match(status).hasMatch()) {
        return you ? QStringLiteral("أنت تجمع ما بقي على الأرض")
                   : QStringLiteral("الحاسوب يجمع ما بقي على الأرض");
    }
    if (const auto m = result.match(status); m.hasMatch())
        return QStringLiteral("النتيجة: الحاسوب %1، أنت %2").arg(m.captured(1), m.captured(2));
    if (status == QLatin1String("Added to Picked List "))
        return QStringLiteral("أضيفت إلى الأوراق الملتقطة");
    if (status == QLatin1String("Removed from Picked List "))
        return QStringLiteral("أزيلت من الأوراق الملتقطة");
    return status;
}

QString SpokenCounters(const QString& counters) {
    static const QRegularExpression numbers(QStringLiteral("^\\s*(\\d+)-(\\d+)-(\\d+)"));
    const auto m = numbers.match(counters);
    if (!m.hasMatch()) return counters;
    return QStringLiteral("الطرح %1، اليد %2، الدور %3")
        .arg(m.captured(1), m.captured(2), m.captured(3));
}

void InstallCardAccessibility() {
    static const bool installed = (QAccessible::installFactory(CardFactory), true);
    (void)installed;
}

}  // namespace tazkova::ui
