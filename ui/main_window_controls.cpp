// The table's buttons, its speed bar and the commands with their keys, as the window is built.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "ui/main_window.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

namespace tazkova::ui {

void MainWindow::MakeControls() {
    TableLayout& layout = view_->Layout();
    auto button = [&](const char* name, const char* caption, const QRect& place) {
        auto* b = new QPushButton(Utf8(caption), this);
        b->setObjectName(QLatin1String(name));
        layout.PlaceText(b, place, 12, true);
        // Return presses a focused button, as Space does.
        b->setAutoDefault(true);
        return b;
    };
    newGameButton_ = button("BitBtn2", kNewGameCaption, QRect(386, 6, 93, 24));
    optionsButton_ = button("cmdOptions", kOptionsCaption, QRect(386, 34, 93, 24));
    resultsButton_ = button("cmdResult", kResultCaption, QRect(386, 62, 93, 24));
    finishButton_ = button("BitBtn1", kFinishCaption, QRect(418, 90, 61, 24));
    connect(newGameButton_, &QPushButton::clicked, this, &MainWindow::NewGameClicked);
    connect(optionsButton_, &QPushButton::clicked, this, &MainWindow::OptionsClicked);
    connect(resultsButton_, &QPushButton::clicked, this, &MainWindow::ResultsClicked);
    connect(finishButton_, &QPushButton::clicked, this, &QWidget::close);

    auto toolButton = [&](const char* name, const QRect& place, const char* spoken) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(Utf8(spoken));
        b->setFocusPolicy(Qt::TabFocus);
        layout.Place(b, place);
        return b;
    };
    helpButton_ = toolButton("SpeedButton1", QRect(386, 90, 25, 25), kHelpButtonName);
    layout.SetIcon(helpButton_, 19, QStringLiteral("help"));
    connect(helpButton_, &QToolButton::clicked, this, &MainWindow::HelpClicked);
    soundButton_ = toolButton("SpeedButton2", QRect(4, 88, 25, 25), kSoundOffName);
    soundButton_->setAutoRaise(true);
    connect(soundButton_, &QToolButton::clicked, this, &MainWindow::SoundClicked);
    // The menu, in the free corner beside the buttons: by mouse, by Tab, by F10 or the Menu key.
    menuButton_ = toolButton("MenuButton", QRect(356, 6, 25, 24), kMenuButtonName);
    menuButton_->setFocusPolicy(Qt::StrongFocus);
    layout.SetIcon(menuButton_, 17, QStringLiteral("menu"));
    // The menu opens below its button, reading from the button's right edge leftward.
    connect(menuButton_, &QToolButton::clicked, this, [this] {
        const QPoint corner =
            menuButton_->mapToGlobal(QPoint(menuButton_->width(), menuButton_->height()));
        ShowMenu(corner - QPoint(Menu()->sizeHint().width(), 0));
    });

    speedBar_ = new QScrollBar(Qt::Vertical, this);
    speedBar_->setObjectName(QStringLiteral("DelayScroll"));
    speedBar_->setAccessibleName(Utf8(kSpeedBarName));
    layout.Place(speedBar_, QRect(10, 10, 15, 73));
    speedBar_->setRange(0, 4000);
    speedBar_->setSingleStep(10);
    speedBar_->setPageStep(100);
    speedBar_->setValue(1500);
    speedBar_->setFocusPolicy(Qt::TabFocus);
    connect(speedBar_, &QScrollBar::valueChanged, this, &MainWindow::SpeedChanged);

    // The commands, with their keys; the buttons' tooltips say the keys.
    const TableActions& a = actions_;
    connect(a.newGame, &QAction::triggered, this, &MainWindow::NewGameClicked);
    connect(a.options, &QAction::triggered, this, &MainWindow::OptionsClicked);
    connect(a.results, &QAction::triggered, this, &MainWindow::ResultsClicked);
    connect(a.statistics, &QAction::triggered, this, &MainWindow::StatisticsClicked);
    connect(a.hint, &QAction::triggered, this, &MainWindow::HintClicked);
    connect(a.takeBack, &QAction::triggered, this, &MainWindow::TakeBackClicked);
    connect(a.zoomIn, &QAction::triggered, this, [this] { SetZoom(TableLayout::Larger(Zoom())); });
    connect(a.zoomOut, &QAction::triggered, this,
            [this] { SetZoom(TableLayout::Smaller(Zoom())); });
    for (QAction* size : a.zoom)
        connect(size, &QAction::triggered, this, [this, size] { SetZoom(size->data().toInt()); });
    connect(a.motion, &QAction::triggered, this, &MainWindow::SetMotion);
    connect(a.sound, &QAction::triggered, this, &MainWindow::SoundClicked);
    connect(a.faster, &QAction::triggered, this,
            [this] { speedBar_->setValue(speedBar_->value() - speedBar_->pageStep()); });
    connect(a.slower, &QAction::triggered, this,
            [this] { speedBar_->setValue(speedBar_->value() + speedBar_->pageStep()); });
    connect(a.help, &QAction::triggered, this, &MainWindow::HelpClicked);
    connect(a.manual, &QAction::triggered, this, &MainWindow::ManualClicked);
    connect(a.about, &QAction::triggered, this, &MainWindow::AboutClicked);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);
    auto* openMenu = new QAction(this);
    openMenu->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, menuButton_, &QToolButton::click);
    newGameButton_->setToolTip(WithKey(Utf8(kMenuNewGame), a.newGame));
    optionsButton_->setToolTip(WithKey(Utf8(kMenuOptions), a.options));
    resultsButton_->setToolTip(WithKey(Utf8(kMenuResults), a.results));
    finishButton_->setToolTip(WithKey(Utf8(kMenuQuit), a.quit));
    helpButton_->setToolTip(WithKey(Utf8(kMenuHelp), a.help));
    soundButton_->setToolTip(WithKey(Utf8(kSoundHint), a.sound));
    menuButton_->setToolTip(WithKey(Utf8(kMenuButtonName), openMenu));
    speedBar_->setToolTip(Utf8(kSpeedHint) + QStringLiteral(" (") +
                          a.faster->shortcut().toString(QKeySequence::NativeText) +
                          QStringLiteral(" / ") +
                          a.slower->shortcut().toString(QKeySequence::NativeText) + u')');
    for (QWidget* control : std::initializer_list<QWidget*>{
             newGameButton_, optionsButton_, resultsButton_, finishButton_, helpButton_,
             soundButton_, menuButton_, speedBar_})
        control->setAccessibleDescription(control->toolTip());
}

}  // namespace tazkova::ui
