#include "ui/window/table_controls.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"
#include "ui/table/table_layout.h"

namespace tazkova::ui {

TableControls::TableControls(QWidget* window, TableLayout& layout, const TableActions& actions)
    : QObject(window), window_(window), layout_(layout), actions_(actions) {
    setObjectName(QStringLiteral("TableControls"));
    MakeButtons();
    MakeToolButtons();
    MakeSpeedBar();
    auto* openMenu = new QAction(window_);
    openMenu->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    window_->addAction(openMenu);
    connect(openMenu, &QAction::triggered, menuButton_, &QToolButton::click);
    ExplainKeys(openMenu);
}

std::vector<QWidget*> TableControls::TabOrder() const {
    return {newGameButton_, optionsButton_, resultsButton_, helpButton_,
            finishButton_,  menuButton_,    speedBar_,      soundButton_};
}

QPushButton* TableControls::MakeButton(const char* name, const char* caption, const QRect& place,
                                       QAction* command) {
    auto* b = new QPushButton(Utf8(caption), window_);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(SpokenText(b->text()));
    layout_.PlaceText(b, place, 12, true);
    // Return presses a focused button, as Space does.
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, command, &QAction::trigger);
    return b;
}

void TableControls::MakeButtons() {
    const TableActions& a = actions_;
    newGameButton_ = MakeButton("BitBtn2", kNewGameCaption, QRect(386, 6, 93, 24), a.newGame);
    optionsButton_ = MakeButton("cmdOptions", kOptionsCaption, QRect(386, 34, 93, 24), a.options);
    resultsButton_ = MakeButton("cmdResult", kResultCaption, QRect(386, 62, 93, 24), a.results);
    finishButton_ = MakeButton("BitBtn1", kFinishCaption, QRect(418, 90, 61, 24), a.quit);
}

QToolButton* TableControls::MakeToolButton(const char* name, const QRect& place,
                                           const char* spoken) {
    auto* b = new QToolButton(window_);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(Utf8(spoken));
    b->setFocusPolicy(Qt::TabFocus);
    layout_.Place(b, place);
    return b;
}

void TableControls::MakeToolButtons() {
    helpButton_ = MakeToolButton("SpeedButton1", QRect(386, 90, 25, 25), kHelpButtonName);
    layout_.SetIcon(helpButton_, 19, QStringLiteral("help"));
    connect(helpButton_, &QToolButton::clicked, actions_.help, &QAction::trigger);
    soundButton_ = MakeToolButton("SpeedButton2", QRect(4, 88, 25, 25), kSoundOffName);
    soundButton_->setAutoRaise(true);
    connect(soundButton_, &QToolButton::clicked, actions_.sound, &QAction::trigger);
    // The menu, in the free corner beside the buttons: by mouse, by Tab, by F10 or the Menu key.
    menuButton_ = MakeToolButton("MenuButton", QRect(356, 6, 25, 24), kMenuButtonName);
    menuButton_->setFocusPolicy(Qt::StrongFocus);
    layout_.SetIcon(menuButton_, 17, QStringLiteral("menu"));
    connect(menuButton_, &QToolButton::clicked, this, [this] {
        emit MenuAsked(
            menuButton_->mapToGlobal(QPoint(menuButton_->width(), menuButton_->height())));
    });
}

void TableControls::MakeSpeedBar() {
    speedBar_ = new QScrollBar(Qt::Vertical, window_);
    speedBar_->setObjectName(QStringLiteral("DelayScroll"));
    speedBar_->setAccessibleName(Utf8(kSpeedBarName));
    layout_.Place(speedBar_, QRect(10, 10, 15, 73));
    speedBar_->setRange(0, 4000);
    speedBar_->setSingleStep(10);
    speedBar_->setPageStep(100);
    speedBar_->setValue(1500);
    speedBar_->setFocusPolicy(Qt::TabFocus);
    connect(actions_.faster, &QAction::triggered, speedBar_,
            [this] { speedBar_->setValue(speedBar_->value() - speedBar_->pageStep()); });
    connect(actions_.slower, &QAction::triggered, speedBar_,
            [this] { speedBar_->setValue(speedBar_->value() + speedBar_->pageStep()); });
}

void TableControls::ExplainKeys(const QAction* openMenu) {
    const TableActions& a = actions_;
    newGameButton_->setToolTip(WithKey(Utf8(kMenuNewGame), a.newGame));
    optionsButton_->setToolTip(WithKey(Utf8(kMenuOptions), a.options));
    resultsButton_->setToolTip(WithKey(Utf8(kMenuResults), a.results));
    finishButton_->setToolTip(WithKey(Utf8(kMenuQuit), a.quit));
    helpButton_->setToolTip(WithKey(Utf8(kMenuHelp), a.help));
    soundButton_->setToolTip(WithKey(Utf8(kSoundHint), a.sound));
    menuButton_->setToolTip(WithKey(Utf8(kMenuButtonName), openMenu));
    const QString speedKeys = a.faster->shortcut().toString(QKeySequence::NativeText) +
                              QStringLiteral(" / ") +
                              a.slower->shortcut().toString(QKeySequence::NativeText);
    speedBar_->setToolTip(WithKey(Utf8(kSpeedHint), speedKeys));
    for (QWidget* control : TabOrder())
        control->setAccessibleDescription(SpokenText(control->toolTip()));
    // The bar's value is the wait between plays: it falls as the game gets faster.
    speedBar_->setAccessibleDescription(Utf8(kSpeedBarDescription) + QStringLiteral(" (") +
                                        speedKeys + u')');
}

}  // namespace tazkova::ui
