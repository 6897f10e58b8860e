#include "ui/style/dialog_fit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>
#include <cmath>

namespace tazkova::ui {

namespace {

const char* const kScaleProperty = "tazkovaTableScale";
// A widget's design, kept from before its first scaling.
const char* const kDesignRect = "tazkovaDesignRect";
const char* const kDesignFont = "tazkovaDesignFont";
const char* const kDesignIcon = "tazkovaDesignIcon";
const char* const kDesignSections = "tazkovaDesignSections";
const char* const kAppliedScale = "tazkovaAppliedScale";

/// The widgets a dialog places itself: not the inner parts of a scroll area (its viewport
/// and scroll bars), which the area lays out.
void CollectPlaced(QWidget* widget, std::vector<QWidget*>& placed) {
    placed.push_back(widget);
    if (qobject_cast<QAbstractScrollArea*>(widget)) return;
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow()) CollectPlaced(w, placed);
    }
}

QFont Scaled(QFont font, qreal scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

void Remember(QWidget* widget) {
    if (widget->property(kDesignRect).isValid()) return;
    widget->setProperty(kDesignRect, widget->geometry());
    widget->setProperty(kDesignFont, widget->font());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        widget->setProperty(kDesignIcon, button->iconSize());
    if (auto* tree = qobject_cast<QTreeView*>(widget)) {
        QVariantList sections;
        for (int c = 0; c < tree->header()->count(); ++c)
            sections << tree->header()->sectionSize(c);
        widget->setProperty(kDesignSections, sections);
    }
}

void Apply(QWidget* widget, qreal scale, qreal ratio, bool top) {
    const QRect design = widget->property(kDesignRect).toRect();
    const QRect scaled(qRound(design.x() * scale), qRound(design.y() * scale),
                       qRound(design.width() * scale), qRound(design.height() * scale));
    if (!top) widget->setGeometry(scaled);
    widget->setFont(Scaled(widget->property(kDesignFont).value<QFont>(), scale));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QSize icon = widget->property(kDesignIcon).toSize();
        if (icon.isValid()) button->setIconSize(icon * scale);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        label->setScaledContents(scale != 1.0);
    if (auto* tree = qobject_cast<QTreeView*>(widget)) {
        const QVariantList sections = widget->property(kDesignSections).toList();
        for (int c = 0; c < sections.size(); ++c)
            tree->header()->resizeSection(c, qRound(sections[c].toInt() * scale));
    }
    // Lines set a fixed height apart grow with their text.
    if (auto* memo = qobject_cast<QTextEdit*>(widget); memo && ratio != 1.0) {
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            QTextBlockFormat format = block.blockFormat();
            if (format.lineHeightType() != QTextBlockFormat::FixedHeight) continue;
            format.setLineHeight(format.lineHeight() * ratio, QTextBlockFormat::FixedHeight);
            QTextCursor(block).setBlockFormat(format);
        }
    }
}

}  // namespace

QRect AtDialogScale(const QWidget& widget, const QRect& design) {
    const QRect was = widget.property(kDesignRect).toRect();
    if (was.isEmpty() || was.size() == widget.size()) return design;
    const qreal sx = widget.width() / qreal(was.width());
    const qreal sy = widget.height() / qreal(was.height());
    return QRect(qRound(design.x() * sx), qRound(design.y() * sy), qRound(design.width() * sx),
                 qRound(design.height() * sy));
}

void SetTableScale(QWidget* window, qreal scale) {
    window->setProperty(kScaleProperty, scale);
}

qreal TableScale(const QWidget* window) {
    const QVariant scale = window ? window->property(kScaleProperty) : QVariant();
    return scale.isValid() ? scale.toReal() : 1.0;
}

void FitDialog(QDialog* dialog) {
    QWidget* game = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QScreen* screen = game && game->screen() ? game->screen()
                            : dialog->screen()     ? dialog->screen()
                                                   : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();

    std::vector<QWidget*> placed;
    CollectPlaced(dialog, placed);
    for (QWidget* widget : placed) Remember(widget);
    const QSize design = dialog->property(kDesignRect).toRect().size();
    qreal scale = TableScale(game);
    // A dialog that would not fit its screen with its frame is made smaller, never larger
    // than designed.
    if (area.isValid() && !design.isEmpty()) {
        const qreal room = std::min((area.width() - 16) / qreal(design.width()),
                                    (area.height() - 48) / qreal(design.height()));
        scale = std::max(std::min(scale, room), std::min(1.0, room));
    }
    const qreal applied =
        dialog->property(kAppliedScale).isValid() ? dialog->property(kAppliedScale).toReal() : 1.0;
    if (scale != applied) {
        for (QWidget* widget : placed) Apply(widget, scale, scale / applied, widget == dialog);
        if (dialog->minimumSize() == dialog->maximumSize())
            dialog->setFixedSize(design * scale);
        else
            dialog->resize(design * scale);
        dialog->setProperty(kAppliedScale, scale);
    }

    // Centred over the game (or the screen), and on the screen whole.
    QRect frame = dialog->frameGeometry();
    if (frame.size() == dialog->size()) frame.setSize(dialog->size() + QSize(8, 34));
    frame.moveCenter(game && game->isVisible() ? game->frameGeometry().center() : area.center());
    if (area.isValid()) {
        frame.moveLeft(
            std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
        frame.moveTop(
            std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    }
    dialog->move(frame.topLeft());
}

}  // namespace tazkova::ui
