#include "ui/table/table_layout.h"

#include <QAbstractButton>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "ui/decks/table_deck.h"
#include "ui/style/arabic_style.h"

namespace tazkova::ui {

void TableLayout::SetZoom(int percent) {
    if (std::find(kZooms.begin(), kZooms.end(), percent) == kZooms.end()) return;
    zoom_ = percent;
}

void TableLayout::FitTo(QSize area) {
    const qreal fits = std::min(area.width() / qreal(kDesignSize.width()),
                                area.height() / qreal(kDesignSize.height()));
    const qreal scale = std::max(0.25, std::floor(fits * 20 + 1e-6) / 20);
    const QPoint offset((area.width() - qRound(kDesignSize.width() * scale)) / 2,
                        (area.height() - qRound(kDesignSize.height() * scale)) / 2);
    if (scale == scale_ && offset == offset_) return;
    scale_ = scale;
    offset_ = offset;
    for (const Entry& entry : entries_) Apply(entry);
}

int TableLayout::Larger(int percent) {
    const auto next = std::upper_bound(kZooms.begin(), kZooms.end(), percent);
    return next == kZooms.end() ? kZooms.back() : *next;
}

int TableLayout::Smaller(int percent) {
    const auto at = std::lower_bound(kZooms.begin(), kZooms.end(), percent);
    return at == kZooms.begin() ? kZooms.front() : *(at - 1);
}

TableLayout::Entry& TableLayout::EntryOf(QWidget* widget) {
    for (Entry& entry : entries_) {
        if (entry.widget == widget) return entry;
    }
    Entry entry;
    entry.widget = widget;
    return entries_.emplace_back(entry);
}

void TableLayout::Place(QWidget* widget, const QRect& place) {
    Entry& entry = EntryOf(widget);
    entry.place = place;
    Apply(entry);
}

void TableLayout::PlaceText(QWidget* widget, const QRect& place, int fontPixels, bool bold) {
    Entry& entry = EntryOf(widget);
    entry.place = place;
    entry.fontPixels = fontPixels;
    entry.bold = bold;
    Apply(entry);
}

void TableLayout::PlacePicture(QLabel* label, const QRect& place, const QString& picture) {
    Entry& entry = EntryOf(label);
    entry.place = place;
    entry.picture = picture;
    Apply(entry);
}

void TableLayout::SetIcon(QAbstractButton* button, int iconSize, const QString& picture) {
    Entry& entry = EntryOf(button);
    entry.iconSize = iconSize;
    entry.picture = picture;
    Apply(entry);
}

void TableLayout::RedrawPictures() const {
    for (const Entry& entry : entries_)
        if (!entry.picture.isEmpty()) Apply(entry);
}

QFont TableLayout::Font(int fontPixels, bool bold) const {
    return ArabicFont(FontFace::Sans, std::max(1, Scale(fontPixels)), bold);
}

void TableLayout::Apply(const Entry& entry) const {
    QWidget* widget = entry.widget;
    // The table's own pictures lie where the table lies in the window; the labels of its
    // status panel lie in the panel.
    const bool onTheCloth = widget->parentWidget() && widget->parentWidget()->isWindow();
    if (!entry.place.isNull())
        widget->setGeometry(Scale(entry.place).translated(onTheCloth ? offset_ : QPoint()));
    if (entry.fontPixels > 0) widget->setFont(Font(entry.fontPixels, entry.bold));
    if (entry.picture.isEmpty()) return;
    const qreal dpr = widget->devicePixelRatioF();
    if (entry.iconSize > 0) {
        auto* button = static_cast<QAbstractButton*>(widget);
        const int size = Scale(entry.iconSize);
        button->setIcon(QIcon(TablePicture(entry.picture, size, size, dpr)));
        button->setIconSize(QSize(size, size));
    } else {
        const QSize size = Scale(entry.place.size());
        static_cast<QLabel*>(widget)->setPixmap(
            TablePicture(entry.picture, size.width(), size.height(), dpr));
    }
}

}  // namespace tazkova::ui
