#include "ui/table/status_line.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "game/texts.h"
#include "telling/arabic_plays.h"
#include "ui/style/reading.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

StatusLine::StatusLine(QLabel* label) : QObject(label), label_(label) {
    label_->installEventFilter(this);
}

void StatusLine::SetArabic(bool on) {
    if (arabic_ == on) return;
    arabic_ = on;
    Draw(false);
}

void StatusLine::TellNext(const QString& whole, const QString& shorter) {
    next_ = Told{whole, shorter.isEmpty() ? whole : shorter};
}

void StatusLine::HandStarting(const game::HandStart& start) {
    start_ = start;
    toldBefore_.clear();
}

StatusLine::Told StatusLine::ToldOf(const std::string& text) const {
    if (text == game::texts::kMomentText) {
        const QString shuffle = Utf8(telling::TellShuffle());
        return {shuffle, shuffle};
    }
    if (start_ && text.starts_with(game::texts::kStartOfNewGame)) {
        const QString start = Utf8(telling::TellHandStart(*start_));
        return {start, start};
    }
    return {};
}

void StatusLine::Show(const std::string& text) {
    english_ = Utf8(text);
    told_ = next_ ? *next_ : ToldOf(text);
    next_.reset();
    if (!told_.whole.isEmpty()) toldBefore_.insert(english_, told_);
    Draw();
}

void StatusLine::Restore(const std::string& text) {
    next_.reset();
    english_ = Utf8(text);
    told_ = toldBefore_.value(english_, ToldOf(text));
    Draw();
}

QString StatusLine::Shown() const {
    return label_->text();
}

void StatusLine::Draw(bool announce) {
    const bool inArabic = arabic_ && !told_.whole.isEmpty();
    QString shown = ShownText(english_);
    if (inArabic) {
        // A long play is counted rather than named, and cut short if it still does not fit;
        // its tooltip holds the whole sentence.
        const int room = label_->contentsRect().width();
        shown = told_.whole;
        const QFontMetrics metrics(label_->font());
        if (metrics.horizontalAdvance(shown) > room) shown = told_.shorter;
        shown = metrics.elidedText(shown, Qt::ElideRight, room);
    }
    label_->setText(shown);
    label_->setToolTip(inArabic && shown != told_.whole ? told_.whole : QString());
    // A new name is announced to a screen reader: what happened, in Arabic, or else the text
    // itself as it would be read aloud.
    if (announce)
        label_->setAccessibleName(told_.whole.isEmpty() ? SpokenText(english_) : told_.whole);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::Resize && arabic_ && !told_.whole.isEmpty())
        Draw(false);
    return QObject::eventFilter(watched, event);
}

}  // namespace tazkova::ui
