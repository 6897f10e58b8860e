#include "ui/table/card_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QTimer>

#include "ui/access/spoken_texts.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"
#include "ui/table/card_widgets.h"

namespace tazkova::ui {

namespace {

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

void InstallCardAccessibility() {
    static const bool installed = (QAccessible::installFactory(CardFactory), true);
    (void)installed;
}

}  // namespace tazkova::ui
