#include "ui/table/card_focus.h"

#include <algorithm>
#include <cstdlib>

#include "ui/table/table_view.h"

namespace tazkova::ui {

using game::ImageState;
using game::kDeckSize;

CardImage* CardFocus::Card(int index) const {
    return view_.Card(index);
}

CardPlace CardFocus::PlaceOf(int index) const {
    CardPlace place;
    const game::Game& g = game_;
    const int card = index + 1;
    for (int i = 1; i <= g.State().YouPile.Count; ++i) {
        if (g.State().YouPile.Cards[i] != card) continue;
        place.where = CardPlace::Where::YourHand;
        place.chosen =
            g.State().Input == game::InputState::PickFloor && g.State().SelectedSlot == i;
    }
    for (int f = 1; f <= g.State().FloorPile.Count; ++f) {
        if (g.State().FloorPile.Cards[f] != card) continue;
        place.where = CardPlace::Where::Floor;
        place.picked = g.State().PickedSet.test(static_cast<std::size_t>(f));
    }
    for (int i = 1; i <= g.State().MePile.Count; ++i) {
        if (g.State().MePile.Cards[i] == card && g.State().Table.images[index].visible)
            place.where = CardPlace::Where::ComputersHand;
    }
    place.hinted = Card(index)->Hinted();
    place.waitedFor = Card(index)->WaitedFor();
    return place;
}

std::vector<int> CardFocus::CardsOf(CardPlace::Where where) const {
    const auto& images = game_.State().Table.images;
    std::vector<int> cards;
    for (int i = 0; i < kDeckSize; ++i) {
        if (images[i].visible && images[i].enabled && PlaceOf(i).where == where) cards.push_back(i);
    }
    std::sort(cards.begin(), cards.end(), [&images](int a, int b) {
        const ImageState& x = images[a];
        const ImageState& y = images[b];
        return x.top != y.top ? x.top < y.top : x.left > y.left;
    });
    return cards;
}

bool CardFocus::Move(int index, int key) const {
    const CardPlace::Where where = PlaceOf(index).where;
    if (where != CardPlace::Where::YourHand && where != CardPlace::Where::Floor) return false;
    const auto& images = game_.State().Table.images;
    const std::vector<int> group = CardsOf(where);
    const ImageState& here = images[index];
    int to = -1;
    switch (key) {
        case Qt::Key_Left:  // on in the reading order, to the left
        case Qt::Key_Right: {
            int best = 1 << 20;
            for (const int other : group) {
                const ImageState& o = images[other];
                const int step = key == Qt::Key_Left ? here.left - o.left : o.left - here.left;
                if (o.top == here.top && step > 0 && step < best) {
                    best = step;
                    to = other;
                }
            }
            break;
        }
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // The nearest card of the next row up or down, the hand's row below the floor.
            const std::vector<int> hand = CardsOf(CardPlace::Where::YourHand);
            std::vector<int> all = CardsOf(CardPlace::Where::Floor);
            all.insert(all.end(), hand.begin(), hand.end());
            int nextRow = key == Qt::Key_Up ? -(1 << 20) : 1 << 20;
            for (const int other : all) {
                const int top = images[other].top;
                if (key == Qt::Key_Up && top < here.top) nextRow = std::max(nextRow, top);
                if (key == Qt::Key_Down && top > here.top) nextRow = std::min(nextRow, top);
            }
            int best = 1 << 20;
            for (const int other : all) {
                const ImageState& o = images[other];
                if (o.top == nextRow && std::abs(o.left - here.left) < best) {
                    best = std::abs(o.left - here.left);
                    to = other;
                }
            }
            break;
        }
        case Qt::Key_Home:
            if (!group.empty()) to = group.front();
            break;
        case Qt::Key_End:
            if (!group.empty()) to = group.back();
            break;
        default:
            return false;
    }
    if (to >= 0) Card(to)->setFocus(Qt::OtherFocusReason);
    return true;
}

void CardFocus::Tab(std::vector<QWidget*> stops, QWidget* focused, bool next) const {
    // A card taken or laid while it has the focus hands it on to a card of the table, never
    // to a button.
    if (auto* leaving = qobject_cast<CardImage*>(focused);
        leaving && (!leaving->isVisible() || !leaving->isEnabled())) {
        const bool fromFloor = PlaceOf(leaving->Index()).where == CardPlace::Where::Floor;
        for (const CardPlace::Where where :
             {fromFloor ? CardPlace::Where::Floor : CardPlace::Where::YourHand,
              fromFloor ? CardPlace::Where::YourHand : CardPlace::Where::Floor}) {
            for (const int card : CardsOf(where)) {
                if (Card(card) == leaving || !Card(card)->isVisible()) continue;
                Card(card)->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        return;
    }
    int current = -1;
    for (const CardPlace::Where where : {CardPlace::Where::YourHand, CardPlace::Where::Floor}) {
        const std::vector<int> group = CardsOf(where);
        if (group.empty()) continue;
        QWidget* entry = Card(group.front());
        for (const int card : group) {
            if (Card(card) == focused) {
                entry = focused;
                current = static_cast<int>(stops.size());
            }
        }
        stops.push_back(entry);
    }
    if (current < 0) {
        const auto at = std::find(stops.begin(), stops.end(), focused);
        current = at == stops.end() ? -1 : static_cast<int>(at - stops.begin());
    }
    const int count = static_cast<int>(stops.size());
    const int to =
        current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void CardFocus::KeepOnTheTable(CardPlace::Where before, QWidget* focused, QWidget* fallback) const {
    const auto* card = qobject_cast<const CardImage*>(focused);
    if (card && card->isVisible() && PlaceOf(card->Index()).where == before) return;
    for (const CardPlace::Where where : {CardPlace::Where::YourHand, CardPlace::Where::Floor}) {
        const std::vector<int> group = CardsOf(where);
        if (!group.empty()) {
            Card(group.front())->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    fallback->setFocus(Qt::OtherFocusReason);
}

}  // namespace tazkova::ui
