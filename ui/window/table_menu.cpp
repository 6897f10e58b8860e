#include "ui/window/table_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QWidget>
#include <algorithm>

#include "ui/decks/deck_texts.h"
#include "ui/dialogs/coach_texts.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/table/table_layout.h"

namespace tazkova::ui {

namespace {

/// The menu's labels read from the right and line up at its right edge, beside the check
/// marks (so that "عن Tazkova" reads in its order); the keys at the left stay left to right.
/// The platform's style draws the item without its label, then the label is drawn here.
class RightToLeftMenuStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item ||
            item->menuItemType == QStyleOptionMenuItem::Separator) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionMenuItem rest(*item);
        const qsizetype tab = item->text.indexOf(u'\t');
        const QString label = tab < 0 ? item->text : item->text.left(tab);
        rest.text = tab < 0 ? QString() : item->text.mid(tab);
        QProxyStyle::drawControl(element, &rest, painter, widget);

        const bool enabled = item->state & State_Enabled;
        const bool selected = item->state & State_Selected;
        const int margin = std::max(item->maxIconWidth, 20) + 10;
        const QRect place = item->rect.adjusted(margin, 0, -margin, 0);
        painter->save();
        painter->setLayoutDirection(Qt::RightToLeft);
        painter->setFont(item->font);
        painter->setPen(item->palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                            selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(place,
                          Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter |
                              Qt::TextSingleLine | Qt::TextHideMnemonic,
                          label);
        painter->restore();
    }
};

void ReadFromTheRight(QMenu* menu) {
    menu->setLayoutDirection(Qt::RightToLeft);
    auto* style = new RightToLeftMenuStyle;
    style->setParent(menu);
    menu->setStyle(style);
}

QAction* MakeAction(QWidget* window, const char* text, const QKeySequence& key = {}) {
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

}  // namespace

TableActions MakeTableActions(QWidget* window) {
    TableActions a;
    a.newGame = MakeAction(window, kMenuNewGame, QKeySequence(Qt::CTRL | Qt::Key_N));
    a.options = MakeAction(window, kMenuOptions, QKeySequence(Qt::CTRL | Qt::Key_Comma));
    a.results = MakeAction(window, kMenuResults, QKeySequence(Qt::CTRL | Qt::Key_R));
    a.hint = MakeAction(window, kMenuHint, QKeySequence(Qt::Key_H));
    a.takeBack = MakeAction(window, kMenuTakeBack, QKeySequence(Qt::CTRL | Qt::Key_Z));
    a.statistics = MakeAction(window, kMenuStatistics, QKeySequence(Qt::CTRL | Qt::Key_T));
    a.zoomIn = MakeAction(window, kMenuZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Plus));
    // Ctrl and the = key, where + is its shifted sign, enlarge too.
    a.zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    a.zoomOut = MakeAction(window, kMenuZoomOut, QKeySequence(Qt::CTRL | Qt::Key_Minus));
    auto* sizes = new QActionGroup(window);
    for (std::size_t i = 0; i < a.zoom.size(); ++i) {
        auto* size = new QAction(QStringLiteral("%1%").arg(TableLayout::kZooms[i]), window);
        size->setCheckable(true);
        size->setData(TableLayout::kZooms[i]);
        sizes->addAction(size);
        a.zoom[i] = size;
    }
    a.zoom[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    window->addAction(a.zoom[0]);
    a.fullScreen = MakeAction(window, kMenuFullScreen, QKeySequence(Qt::Key_F11));
    a.fullScreen->setCheckable(true);
    a.motion = MakeAction(window, kMenuMotion);
    a.motion->setCheckable(true);
    a.arabicPlays = MakeAction(window, kMenuArabicPlays);
    a.arabicPlays->setCheckable(true);
    a.sound = MakeAction(window, kMenuSound, QKeySequence(Qt::CTRL | Qt::Key_M));
    a.sound->setCheckable(true);
    a.faster = MakeAction(window, kMenuFaster, QKeySequence(Qt::CTRL | Qt::Key_Up));
    a.slower = MakeAction(window, kMenuSlower, QKeySequence(Qt::CTRL | Qt::Key_Down));
    a.manual = MakeAction(window, kMenuManual, QKeySequence(Qt::Key_F1));
    a.help = MakeAction(window, kMenuHelp, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    a.about = MakeAction(window, kMenuAbout);
    a.quit = MakeAction(window, kMenuQuit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.decks = MakeAction(window, kDecksCaption);
    a.story = MakeAction(window, kStoryCaption, QKeySequence(Qt::CTRL | Qt::Key_L));
    a.review = MakeAction(window, kReviewCommand, QKeySequence(Qt::CTRL | Qt::Key_E));
    return a;
}

QMenu* MakeTableMenu(const TableActions& a, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("TableMenu"));
    ReadFromTheRight(menu);
    menu->addActions({a.newGame, a.options, a.results});
    menu->addSeparator();
    menu->addActions({a.hint, a.takeBack, a.story, a.review, a.statistics});
    menu->addSeparator();
    QMenu* zoom = menu->addMenu(QString::fromUtf8(kMenuZoom));
    ReadFromTheRight(zoom);
    zoom->addActions({a.zoomIn, a.zoomOut});
    zoom->addSeparator();
    for (QAction* size : a.zoom) zoom->addAction(size);
    zoom->addSeparator();
    zoom->addAction(a.fullScreen);
    menu->addAction(a.decks);
    menu->addActions({a.motion, a.arabicPlays, a.sound, a.faster, a.slower});
    menu->addSeparator();
    menu->addActions({a.manual, a.help, a.about});
    menu->addSeparator();
    menu->addAction(a.quit);
    return menu;
}

std::vector<std::pair<QString, QString>> TableKeys(const TableActions& a) {
    std::vector<std::pair<QString, QString>> keys;
    for (const QAction* action :
         {a.newGame, a.options, a.results, a.hint, a.takeBack, a.statistics, a.zoomIn, a.zoomOut,
          a.fullScreen, a.sound, a.faster, a.slower, a.manual, a.help, a.quit}) {
        if (action)
            keys.emplace_back(action->text(),
                              action->shortcut().toString(QKeySequence::NativeText));
    }
    keys.emplace_back(QString::fromUtf8(kKeyArrows), QStringLiteral("← → ↑ ↓"));
    keys.emplace_back(QString::fromUtf8(kKeyTab), QStringLiteral("Tab"));
    keys.emplace_back(QString::fromUtf8(kKeyPlay), QStringLiteral("Enter / Space"));
    keys.emplace_back(QString::fromUtf8(kKeyMenu), QStringLiteral("F10"));
    return keys;
}

QString WithKey(const QString& caption, const QAction* action) {
    if (action->shortcut().isEmpty()) return caption;
    return WithKey(caption, action->shortcut().toString(QKeySequence::NativeText));
}

}  // namespace tazkova::ui
