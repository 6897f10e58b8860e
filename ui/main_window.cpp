#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "sound/sound_switch.h"
#include "sound/wave_bank.h"
#include "store/settings_file.h"
#include "ui/about_dialog.h"
#include "ui/help_dialog.h"
#include "ui/look.h"
#include "ui/message_dialog.h"
#include "ui/options_dialog.h"
#include "ui/results_dialog.h"
#include "ui/statistics.h"
#include "ui/statistics_dialog.h"
#include "ui/ui_texts.h"

namespace tazkova::ui {

using namespace tazkova::game;

namespace {

/// When the card faces start being drawn, after the window opened.
constexpr int kFacesAfterStartMs = 150;

// Where the table remembers its size and its motion, beside the sound switch.
const QString kZoomKey = QStringLiteral("Table/Zoom");
const QString kMotionKey = QStringLiteral("Table/Motion");

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

bool IsPlayerInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

// --- The window -------------------------------------------------------------------------------

MainWindow::MainWindow(const SeedChoice& seed, std::unique_ptr<SoundBank> sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      sounds_(std::move(sounds)) {
    ArabicStyle::Install();
    if (!sounds_) sounds_ = std::make_unique<sound::WaveBank>();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Utf8(kWindowCaption));
    setFont(ArabicFont(FontFace::Sans, 13));
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(0x1e, 0x6b, 0x3a));  // the green cloth
    setPalette(table);
    move(100, 0);

    view_ = std::make_unique<CardTableView>(this, *this);
    game_ = std::make_unique<Game>(*view_, *sounds_, *this, *this);
    TableLayout& layout = view_->Layout();
    actions_ = MakeTableActions(this);

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
    view_->SetResultsButton(resultsButton_, [this] {
        // A game begins: its matches are counted from naught, as a game with no play taken
        // back.
        youWinsSeen_ = meWinsSeen_ = 0;
        tookBack_ = false;
    });

    auto toolButton = [&](const char* name, const QRect& place, const char* spoken) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(Utf8(spoken));
        b->setFocusPolicy(Qt::NoFocus);
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
    speedBar_->setFocusPolicy(Qt::NoFocus);
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

    // What the table remembers: its size and whether its cards move.
    const QStringList stores =
        QStringList{store::GameSettingsFile()} + store::SystemSettingsFiles();
    const QVariant motion = store::ReadSetting(stores, kMotionKey);
    motion_ = motion.isValid() ? motion.toBool() : true;
    const QVariant zoom = store::ReadSetting(stores, kZoomKey);
    view_->SetZoom(zoom.isValid() ? zoom.toInt() : 100);

    game_->SoundOn = sound::SoundSwitch::ReadSoundOn();
    ShowSoundState();
    game_->Startup(seed, MillisecondsSinceMidnight());
    speedBar_->setValue(game_->DelayTime);
    UpdateMotion();
    UpdateActions();
    qApp->installEventFilter(this);
    // The focus ring around the focused button is drawn on the cloth, outside the button.
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });

    auto* faces = new QTimer(this);
    faces->setInterval(0);
    connect(faces, &QTimer::timeout, this, [this, faces] {
        if (view_->PrepareOneFace()) return;
        faces->stop();
        faces->deleteLater();
    });
    // Shortly after start-up, when the window has been painted.
    QTimer::singleShot(kFacesAfterStartMs, faces, qOverload<>(&QTimer::start));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

// --- Commands ---------------------------------------------------------------------------------

void MainWindow::RunGame(const std::function<void()>& action) {
    if (inGame_) return;
    ClearHint();
    const bool wasActive = game_->GameActive;
    const QWidget* focused = focusWidget();
    const auto* focusedCard = qobject_cast<const CardImage*>(focused);
    const CardPlace::Where before =
        focusedCard ? PlaceOf(focusedCard->Index()).where : CardPlace::Where::Elsewhere;
    inGame_ = true;
    action();
    inGame_ = false;
    DiscardPendingInput();
    if (quitting_) {
        QApplication::quit();
        return;
    }
    if (focusedCard) KeepFocusOnTheTable(before);
    if (wasActive && !game_->GameActive) {
        // The game ended: counted for the level and the game type it was played at.
        Stats().CountGame(game_->Level, game_->GameType, tookBack_, game_->HumanWonTheGame());
    }
    UpdateActions();
}

void MainWindow::NewGameClicked() {
    RunGame([this] { game_->NewGame(); });
}

void MainWindow::OptionsClicked() {
    RunGame([this] { game_->RunOptions(*optionsDialog()); });
}

void MainWindow::ResultsClicked() {
    RunGame([this] { game_->ShowResultsSheet(); });
}

void MainWindow::HelpClicked() {
    RunGame([this] { helpDialog()->exec(); });
}

void MainWindow::StatisticsClicked() {
    RunGame([this] { statisticsDialog()->ShowModal(); });
}

void MainWindow::AboutClicked() {
    RunGame([this] { aboutDialog()->exec(); });
}

void MainWindow::HintClicked() {
    if (inGame_ || busy_) return;
    ClearHint();
    // The expert's advice, from what the player can know.
    const std::optional<PlaySuggestion> hint = game_->SuggestPlay(5);
    if (!hint) return;
    hinted_.push_back(hint->card - 1);
    for (const int taken : hint->takes) hinted_.push_back(taken - 1);
    for (const int image : hinted_) Card(image)->SetHinted(true);
    Card(hint->card - 1)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ClearHint() {
    for (const int image : hinted_) Card(image)->SetHinted(false);
    hinted_.clear();
}

void MainWindow::TakeBackClicked() {
    RunGame([this] {
        if (game_->TakeBack()) tookBack_ = true;
    });
}

void MainWindow::SoundClicked() {
    game_->SoundOn = sound::SoundSwitch::Toggle(game_->SoundOn, *this);
    ShowSoundState();
}

void MainWindow::SpeedChanged(int position) {
    game_->DelayTime = position;
    UpdateMotion();
}

void MainWindow::SetZoom(int percent) {
    view_->SetZoom(percent);
    store::WriteSettings(store::GameSettingsFile(), {{kZoomKey, Zoom()}});
    UpdateActions();
    update();
}

void MainWindow::SetMotion(bool on) {
    motion_ = on;
    store::WriteSettings(store::GameSettingsFile(), {{kMotionKey, on}});
    UpdateMotion();
    UpdateActions();
}

void MainWindow::UpdateMotion() {
    // At the fastest speed there is no time to watch the cards move.
    view_->Motion().SetEnabled(motion_ && game_->DelayTime > 0);
}

void MainWindow::UpdateActions() {
    const TableActions& a = actions_;
    a.hint->setEnabled(!inGame_ && game_->SuggestPlay().has_value());
    a.takeBack->setEnabled(!inGame_ && game_->CanTakeBack());
    a.motion->setChecked(motion_);
    a.sound->setChecked(game_->SoundOn);
    for (QAction* size : a.zoom) size->setChecked(size->data().toInt() == Zoom());
    a.zoomIn->setEnabled(Zoom() < TableLayout::kZooms.back());
    a.zoomOut->setEnabled(Zoom() > TableLayout::kZooms.front());
}

void MainWindow::ShowSoundState() {
    view_->Layout().SetIcon(
        soundButton_, 21,
        game_->SoundOn ? QStringLiteral("sound_on") : QStringLiteral("sound_off"));
    soundButton_->setAccessibleName(Utf8(game_->SoundOn ? kSoundOnName : kSoundOffName));
    actions_.sound->setChecked(game_->SoundOn);
}

QMenu* MainWindow::Menu() {
    if (!menu_) menu_ = MakeTableMenu(actions_, this);
    return menu_;
}

void MainWindow::ShowMenu(const QPoint& globalPos) {
    if (inGame_ || busy_) return;
    UpdateActions();
    Menu()->popup(globalPos);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowMenu(event->globalPos());
}

void MainWindow::paintEvent(QPaintEvent*) {
    // The style's own focus mark inside a button is faint on the green table: a bright ring
    // around the focused button tells where the keyboard is.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if (!button || button->parentWidget() != this || !button->isVisible()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal scale = Zoom() / 100.0;
    const QRectF ring =
        QRectF(button->geometry()).adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale);
    painter.setPen(QPen(QColor(0x10, 0x20, 0x10), 4 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x40), 2 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
}

// --- The cards by keyboard --------------------------------------------------------------------

CardPlace MainWindow::PlaceOf(int index) const {
    CardPlace place;
    const Game& g = *game_;
    const int card = index + 1;
    for (int i = 1; i <= g.YouPile.Count; ++i) {
        if (g.YouPile.Cards[i] != card) continue;
        place.where = CardPlace::Where::YourHand;
        place.chosen = g.InputState == 2 && g.SelectedSlot == i;
    }
    for (int f = 1; f <= g.FloorPile.Count; ++f) {
        if (g.FloorPile.Cards[f] != card) continue;
        place.where = CardPlace::Where::Floor;
        place.picked = g.PickedSet.test(static_cast<std::size_t>(f));
    }
    for (int i = 1; i <= g.MePile.Count; ++i) {
        if (g.MePile.Cards[i] == card && view_->Image(index).visible)
            place.where = CardPlace::Where::ComputersHand;
    }
    place.hinted = Card(index)->Hinted();
    return place;
}

std::vector<int> MainWindow::CardsOf(CardPlace::Where where) const {
    std::vector<int> cards;
    for (int i = 0; i < kDeckSize; ++i) {
        const ImageState& image = view_->Image(i);
        if (image.visible && image.enabled && PlaceOf(i).where == where) cards.push_back(i);
    }
    // Right to left, the upper row first.
    std::sort(cards.begin(), cards.end(), [this](int a, int b) {
        const ImageState& x = view_->Image(a);
        const ImageState& y = view_->Image(b);
        return x.top != y.top ? x.top < y.top : x.left > y.left;
    });
    return cards;
}

bool MainWindow::MoveCardFocus(int index, int key) {
    const CardPlace::Where where = PlaceOf(index).where;
    if (where != CardPlace::Where::YourHand && where != CardPlace::Where::Floor) return false;
    const std::vector<int> group = CardsOf(where);
    const ImageState& here = view_->Image(index);
    int to = -1;
    switch (key) {
        case Qt::Key_Left:  // on in the reading order, to the left
        case Qt::Key_Right: {
            int best = 1 << 20;
            for (const int other : group) {
                const ImageState& o = view_->Image(other);
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
                const int top = view_->Image(other).top;
                if (key == Qt::Key_Up && top < here.top) nextRow = std::max(nextRow, top);
                if (key == Qt::Key_Down && top > here.top) nextRow = std::min(nextRow, top);
            }
            int best = 1 << 20;
            for (const int other : all) {
                const ImageState& o = view_->Image(other);
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

bool MainWindow::focusNextPrevChild(bool next) {
    // Tab goes round the buttons, the menu button, the hand and the floor; inside the hand
    // and the floor the arrow keys move.
    std::vector<QWidget*> stops = {newGameButton_, optionsButton_, resultsButton_, finishButton_,
                                   menuButton_};
    QWidget* focused = focusWidget();
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
    return true;
}

void MainWindow::KeepFocusOnTheTable(CardPlace::Where before) {
    const auto* card = qobject_cast<const CardImage*>(focusWidget());
    if (card && card->isVisible() && PlaceOf(card->Index()).where == before) return;
    for (const CardPlace::Where where : {CardPlace::Where::YourHand, CardPlace::Where::Floor}) {
        const std::vector<int> group = CardsOf(where);
        if (!group.empty()) {
            Card(group.front())->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    resultsButton_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ActivateCard(int index) {
    if (inGame_ || busy_ || !InRange(index, 0, kDeckSize)) return;
    const ImageState& image = view_->Image(index);
    // As the mouse can: only a card that is shown and not yet taken.
    if (image.visible && image.enabled) RunGame([=, this] { game_->DropCard(index, index); });
}

// --- Dragging cards ---------------------------------------------------------------------------

void MainWindow::CardPressed(int index, const QPoint& globalPos) {
    if (inGame_ || busy_ || dragIndex_ >= 0) return;
    view_->Motion().Finish();
    CardImage* card = Card(index);
    dragIndex_ = index;
    dragOrigin_ = card->pos();
    dragOffset_ = mapFromGlobal(globalPos) - card->pos();
    card->raise();
    dragCursor_ = Qt::ClosedHandCursor;
    card->setCursor(dragCursor_);
}

int MainWindow::DropTargetAt(const QPoint& pos) const {
    if (dragIndex_ < 0) return -1;
    // Over its own place the card is dropped on itself: a plain click.
    if (QRect(dragOrigin_, Card(dragIndex_)->size()).contains(pos)) return dragIndex_;
    // Otherwise the topmost other card under the pointer, looking beneath the lifted one.
    const QObjectList& stack = children();
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto* card = qobject_cast<CardImage*>(*it);
        if (!card || card->Index() == dragIndex_ || !card->isVisible()) continue;
        if (card->geometry().contains(pos)) return card->isEnabled() ? card->Index() : -1;
    }
    return -1;
}

void MainWindow::CardDragMoved(const QPoint& globalPos) {
    if (dragIndex_ < 0) return;
    const QPoint pos = mapFromGlobal(globalPos);
    Card(dragIndex_)->move(pos - dragOffset_);
    const int target = DropTargetAt(pos);
    const bool accepts = target >= 0 && Game::DragAccepts(dragIndex_, target);
    dragCursor_ = accepts ? Qt::ClosedHandCursor : Qt::ForbiddenCursor;
    Card(dragIndex_)->setCursor(dragCursor_);
}

void MainWindow::CardReleased(const QPoint& globalPos) {
    if (dragIndex_ < 0) return;
    const int source = dragIndex_;
    const int target = DropTargetAt(mapFromGlobal(globalPos));
    CardImage* card = Card(source);
    card->move(dragOrigin_);
    card->unsetCursor();
    dragCursor_ = Qt::ArrowCursor;
    dragIndex_ = -1;
    if (target >= 0 && Game::DragAccepts(source, target))
        RunGame([=, this] { game_->DropCard(source, target); });
}

// --- Pauses -----------------------------------------------------------------------------------

void MainWindow::Wait(int n) {
    // One unit is 10^-8 of a day: 0.864 ms. The pause sleeps in an event loop of its own,
    // which repaints, lets the cards glide and answers the window manager, and wakes when its
    // time is up (or when the window is closed); the player's input meanwhile is dropped by
    // the event filter.
    const int ms = static_cast<int>(static_cast<qint64>(n) * 864 / 1000);
    ++busy_;
    if (ms > 0 && !quitting_) {
        QEventLoop pause;
        QTimer::singleShot(ms, Qt::PreciseTimer, &pause, &QEventLoop::quit);
        pauseLoop_ = &pause;
        pause.exec();
        pauseLoop_ = nullptr;
    } else {
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    --busy_;
}

void MainWindow::Think(const std::function<void()>& work) {
    ++busy_;
    QEventLoop thinking;
    QThread* thread = QThread::create([&work] { work(); });
    connect(thread, &QThread::finished, &thinking, &QEventLoop::quit);
    thread->start();
    thinking.exec();
    thread->wait();
    delete thread;
    --busy_;
}

void MainWindow::DiscardPendingInput() {
    ++busy_;
    QApplication::processEvents(QEventLoop::AllEvents);
    --busy_;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // While the game pauses, the player's clicks and keys are dropped, not queued.
    if (busy_ > 0 && IsPlayerInput(event->type())) return true;
    // The hint's marks last until the player's next click or key.
    if (!hinted_.empty() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ShortcutOverride ||
         event->type() == QEvent::KeyPress))
        ClearHint();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (inGame_) {
        // Closed in the middle of a play: the play runs out without pauses or dialogs,
        // then the program ends.
        quitting_ = true;
        if (pauseLoop_) pauseLoop_->quit();
        hide();
    }
    event->accept();
}

// --- Dialogs ----------------------------------------------------------------------------------

ResultsDialog* MainWindow::resultsDialog() {
    if (!resultsDialog_) resultsDialog_ = new ResultsDialog(this);
    return resultsDialog_;
}

OptionsDialog* MainWindow::optionsDialog() {
    if (!optionsDialog_) optionsDialog_ = new OptionsDialog(this);
    return optionsDialog_;
}

MessageDialog* MainWindow::messageDialog() {
    if (!messageDialog_) messageDialog_ = new MessageDialog(this);
    return messageDialog_;
}

HelpDialog* MainWindow::helpDialog() {
    if (!helpDialog_) {
        helpDialog_ = new HelpDialog(*game_, this);
        // Every key of the table, as the menu gives them, and the keys of the cards.
        std::vector<std::pair<QString, QString>> keys;
        const TableActions& a = actions_;
        for (const QAction* action :
             {a.newGame, a.options, a.results, a.hint, a.takeBack, a.statistics, a.zoomIn,
              a.zoomOut, a.sound, a.faster, a.slower, a.help, a.quit}) {
            keys.emplace_back(action->text(),
                              action->shortcut().toString(QKeySequence::NativeText));
        }
        keys.emplace_back(Utf8(kKeyMenu), QStringLiteral("F10"));
        keys.emplace_back(Utf8(kKeyArrows), QStringLiteral("← → ↑ ↓"));
        keys.emplace_back(Utf8(kKeyTab), QStringLiteral("Tab"));
        keys.emplace_back(Utf8(kKeyPlay), QStringLiteral("Enter / Space"));
        helpDialog_->SetKeys(keys);
    }
    return helpDialog_;
}

StatisticsDialog* MainWindow::statisticsDialog() {
    if (!statisticsDialog_) statisticsDialog_ = new StatisticsDialog(Stats(), this);
    return statisticsDialog_;
}

AboutDialog* MainWindow::aboutDialog() {
    if (!aboutDialog_) aboutDialog_ = new AboutDialog(this);
    return aboutDialog_;
}

Statistics& MainWindow::Stats() {
    if (!statistics_) statistics_ = std::make_unique<Statistics>(Statistics::UserFile());
    return *statistics_;
}

void MainWindow::CountMatch() {
    const Game& g = *game_;
    const bool youWonOne = g.YouMatchWins > youWinsSeen_;
    const bool meWonOne = g.MeMatchWins > meWinsSeen_;
    youWinsSeen_ = g.YouMatchWins;
    meWinsSeen_ = g.MeMatchWins;
    if (!youWonOne && !meWonOne) return;
    // A match has just ended. In a reverse game the player aims for the smaller total, so a
    // match the computer takes with the larger one is the player's, as the faces say.
    const bool playerWonMatch = g.ReverseGame ? meWonOne : youWonOne;
    Stats().CountMatch(g.Level, g.GameType, tookBack_, g.YouPile.Score, g.MePile.Score,
                       playerWonMatch);
}

void MainWindow::ShowResults(const ResultsSheet& sheet) {
    CountMatch();
    // The sheet keeps the last hand's contents even when the window is closing.
    if (quitting_) {
        resultsDialog()->Fill(sheet);
        return;
    }
    view_->SetDefaultCursor();
    resultsDialog()->ShowSheet(sheet);
}

void MainWindow::ShowMessageDialog(const std::string& text) {
    if (quitting_) return;
    messageDialog()->ShowText(Utf8(text));
}

void MainWindow::ShowErrorBox(const std::string& text) {
    if (quitting_) return;
    QMessageBox::critical(this, windowTitle(), Utf8(text));
}

}  // namespace tazkova::ui
