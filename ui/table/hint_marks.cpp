#include "ui/table/hint_marks.h"

#include <QApplication>
#include <QEvent>

#include "ui/table/card_focus.h"
#include "ui/table/table_view.h"

namespace tazkova::ui {

HintMarks::HintMarks(QObject* parent, CardTableView& view, const CardFocus& focus)
    : QObject(parent), view_(view), focus_(focus) {}

HintMarks::~HintMarks() {
    qApp->removeEventFilter(this);
}

void HintMarks::WatchInput() {
    qApp->installEventFilter(this);
}

void HintMarks::Show(const game::PlaySuggestion& hint, bool pickingFloor, const QString& reason) {
    Clear();
    if (!reason.isEmpty()) {
        view_.SetMsg(reason.toStdString());
        reasonOn_ = hint.card - 1;
        tooltipBefore_ = view_.Card(reasonOn_)->toolTip();
        view_.Card(reasonOn_)->setToolTip(reason);
    }
    hinted_.push_back(hint.card - 1);
    for (const int taken : hint.takes) hinted_.push_back(taken - 1);
    for (const int image : hinted_) view_.Card(image)->SetHinted(true);
    int focusOn = hint.card - 1;
    for (const int taken : pickingFloor ? hint.takes : std::vector<int>{}) {
        if (!focus_.PlaceOf(taken - 1).picked) {
            focusOn = taken - 1;
            break;
        }
    }
    view_.Card(focusOn)->setFocus(Qt::OtherFocusReason);
}

void HintMarks::Clear() {
    for (const int image : hinted_) view_.Card(image)->SetHinted(false);
    hinted_.clear();
    if (reasonOn_ >= 0) view_.Card(reasonOn_)->setToolTip(tooltipBefore_);
    reasonOn_ = -1;
}

bool HintMarks::eventFilter(QObject* watched, QEvent* event) {
    // The marks last until the player's next click or key.
    if (!hinted_.empty() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ShortcutOverride ||
         event->type() == QEvent::KeyPress))
        Clear();
    return QObject::eventFilter(watched, event);
}

}  // namespace tazkova::ui
