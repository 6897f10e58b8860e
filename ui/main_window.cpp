#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "sound/sound_switch.h"
#include "sound/wave_bank.h"
#include "store/settings_file.h"
#include "ui/about_dialog.h"
#include "ui/arabic_style.h"
#include "ui/counters_note.h"
#include "ui/help_dialog.h"
#include "ui/options_dialog.h"
#include "ui/rules_manual.h"
#include "ui/statistics_dialog.h"
#include "ui/ui_texts.h"
#include "ui/utf8.h"
#include "ui/waiting_marks.h"
#include "ui/window_fit.h"

namespace tazkova::ui {

using namespace tazkova::game;

namespace {

/// When the card faces start being drawn, after the window opened.
constexpr int kFacesAfterStartMs = 150;

// Where the table remembers its size and its motion, beside the sound switch.
const QString kZoomKey = QStringLiteral("Table/Zoom");
const QString kMotionKey = QStringLiteral("Table/Motion");

}  // namespace

// --- The window -------------------------------------------------------------------------------

MainWindow::MainWindow(const SeedChoice& seed, std::unique_ptr<SoundBank> sounds, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
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
    pauses_ = std::make_unique<PauseLoop>(this);
    actions_ = MakeTableActions(this);
    // Any size: the table fills the window; F11 puts it full screen and back.
    new TableFit(this, *view_);
    connect(actions_.fullScreen, &QAction::triggered, this,
            [this](bool on) { on ? showFullScreen() : showNormal(); });
    dialogs_ = std::make_unique<TableDialogs>(this, game_, *view_, *pauses_, statistics_, actions_);
    game_ = std::make_unique<Game>(*view_, *sounds_, *pauses_, *dialogs_);
    game_->AddListener(*view_);
    game_->AddListener(statistics_);
    game_->AddListener(*this);
    focus_ = std::make_unique<CardFocus>(*game_, *view_);
    drag_ = std::make_unique<CardDrag>(this, *view_, [this](int source, int target) {
        RunGame([=, this] { game_->DropCard(source, target); });
    });
    MakeControls();

    // What the table remembers: its size and whether its cards move.
    const QStringList stores =
        QStringList{store::GameSettingsFile()} + store::SystemSettingsFiles();
    // Each stored as plain text: anything but "false" keeps the motion, and a zoom that is not
    // one of the table's sizes is passed over.
    motion_ = store::ReadSetting(stores, kMotionKey) != QStringLiteral("false");
    view_->SetZoom(store::ReadSetting(stores, kZoomKey).value_or(QStringLiteral("100")).toInt());
    // The counters say what their numbers are, with the match's totals.
    view_->SetCountersNamer([this] { ExplainCounters(*view_->CountersLabel(), *game_); });
    ExplainCounters(*view_->CountersLabel(), *game_);

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
    const QWidget* focused = focusWidget();
    const auto* focusedCard = qobject_cast<const CardImage*>(focused);
    const CardPlace::Where before =
        focusedCard ? PlaceOf(focusedCard->Index()).where : CardPlace::Where::Elsewhere;
    inGame_ = true;
    action();
    inGame_ = false;
    pauses_->DropPendingInput();
    if (pauses_->Quitting()) {
        QApplication::quit();
        return;
    }
    // After a deal, and after a play made from the cards, the keyboard stays on the table.
    if (focusedCard || std::exchange(dealt_, false))
        focus_->KeepOnTheTable(before, focusWidget(), resultsButton_);
    MarkWaitedForCards(*view_, *game_);
    ExplainCounters(*view_->CountersLabel(), *game_);
    UpdateActions();
}

void MainWindow::HandStarted(const HandStart& start) {
    if (start.newGame) dealt_ = true;
}

void MainWindow::NewGameClicked() {
    RunGame([this] { game_->NewGame(); });
}

void MainWindow::OptionsClicked() {
    RunGame([this] { game_->RunOptions(*dialogs_->Options()); });
}

void MainWindow::ResultsClicked() {
    RunGame([this] { game_->ShowResultsSheet(); });
}

void MainWindow::HelpClicked() {
    RunGame([this] { dialogs_->Help()->exec(); });
}

void MainWindow::StatisticsClicked() {
    RunGame([this] { dialogs_->StatisticsBox()->ShowModal(); });
}

void MainWindow::AboutClicked() {
    RunGame([this] { dialogs_->About()->exec(); });
}

void MainWindow::ManualClicked() {
    RunGame([this] { dialogs_->Manual()->exec(); });
}

void MainWindow::HintClicked() {
    if (inGame_ || Pausing()) return;
    ClearHint();
    // The expert's advice, from what the player can know.
    const std::optional<PlaySuggestion> hint = game_->SuggestPlay(5);
    if (!hint) return;
    hinted_.push_back(hint->card - 1);
    for (const int taken : hint->takes) hinted_.push_back(taken - 1);
    for (const int image : hinted_) Card(image)->SetHinted(true);
    // While a card waits for its floor cards, the next floor card it takes.
    int focusOn = hint->card - 1;
    for (const int taken :
         game_->Input == InputState::PickFloor ? hint->takes : std::vector<int>{}) {
        if (!PlaceOf(taken - 1).picked) {
            focusOn = taken - 1;
            break;
        }
    }
    Card(focusOn)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ClearHint() {
    for (const int image : hinted_) Card(image)->SetHinted(false);
    hinted_.clear();
}

void MainWindow::TakeBackClicked() {
    RunGame([this] {
        if (game_->TakeBack()) statistics_.PlayTakenBack();
    });
}

void MainWindow::SoundClicked() {
    game_->SoundOn = sound::SoundSwitch::Toggle(game_->SoundOn, *dialogs_);
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
    if (inGame_ || Pausing()) return;
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
    const qreal scale = view_->Layout().ScaleFactor();
    const QRectF ring =
        QRectF(button->geometry()).adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale);
    painter.setPen(QPen(QColor(0x10, 0x20, 0x10), 4 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
    painter.setPen(QPen(QColor(0xff, 0xd8, 0x40), 2 * scale));
    painter.drawRoundedRect(ring, 4 * scale, 4 * scale);
}

// --- The cards: keyboard and mouse ------------------------------------------------------------

bool MainWindow::focusNextPrevChild(bool next) {
    // Tab goes round the buttons, the menu button, the hand and the floor; inside the hand
    // and the floor the arrow keys move.
    focus_->Tab({newGameButton_, optionsButton_, resultsButton_, helpButton_, finishButton_,
                 menuButton_, speedBar_, soundButton_},
                focusWidget(), next);
    return true;
}

void MainWindow::ActivateCard(int index) {
    if (inGame_ || Pausing() || !InRange(index, 0, kDeckSize)) return;
    const ImageState& image = game_->Table.images[index];
    // As the mouse can: only a card that is shown and not yet taken.
    if (image.visible && image.enabled) RunGame([=, this] { game_->DropCard(index, index); });
}

void MainWindow::CardPressed(int index, const QPoint& globalPos) {
    if (inGame_ || Pausing()) return;
    drag_->Press(index, globalPos);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
        pauses_->Quit();
        hide();
    }
    event->accept();
}

}  // namespace tazkova::ui
