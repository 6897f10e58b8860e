#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "coach/judge.h"
#include "expert/expert_player.h"
#include "sound/sound_switch.h"
#include "sound/wave_bank.h"
#include "store/settings_file.h"
#include "ui/access/counters_note.h"
#include "ui/decks/deck_catalogue.h"
#include "ui/decks/deck_texts.h"
#include "ui/decks/table_deck.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/ask_dialog.h"
#include "ui/dialogs/coach_texts.h"
#include "ui/dialogs/deck_dialog.h"
#include "ui/dialogs/hand_story.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/kept_texts.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/review_dialog.h"
#include "ui/dialogs/rules_manual.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/stats/statistics_keeper.h"
#include "ui/style/arabic_style.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"
#include "ui/table/card_drag.h"
#include "ui/table/card_focus.h"
#include "ui/table/hint_marks.h"
#include "ui/table/pause_loop.h"
#include "ui/table/scoreboard.h"
#include "ui/table/table_view.h"
#include "ui/table/waiting_marks.h"
#include "ui/table/window_fit.h"
#include "ui/window/focus_ring.h"
#include "ui/window/game_keeper.h"
#include "ui/window/game_runner.h"
#include "ui/window/hand_review.h"
#include "ui/window/table_commands.h"
#include "ui/window/table_controls.h"
#include "ui/window/table_dialogs.h"

namespace tazkova::ui {

using namespace tazkova::game;

namespace {

/// When the card faces start being drawn, after the window opened and was painted.
constexpr int kFacesAfterStartMs = 150;

// Where the table remembers its size, its motion and its card deck, beside the sound switch.
const QString kZoomKey = QStringLiteral("Table/Zoom");
const QString kMotionKey = QStringLiteral("Table/Motion");
const QString kArabicPlaysKey = QStringLiteral("Table/ArabicPlays");
const QString kDeckKey = QStringLiteral("Table/Deck");

}  // namespace

// --- The window -------------------------------------------------------------------------------

MainWindow::MainWindow(const SeedChoice& seed, std::unique_ptr<SoundBank> sounds, QWidget* parent,
                       bool keepGame)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      sounds_(std::move(sounds)),
      keeper_(std::make_unique<GameKeeper>(this, keepGame)) {
    ArabicStyle::Install();
    if (!sounds_) sounds_ = std::make_unique<sound::WaveBank>();
    DressTheWindow();
    MakeParts();
    ConnectGameCommands();
    ConnectTableCommands();

    // What the table remembers: its size and whether its cards move.
    const QStringList stores =
        QStringList{store::GameSettingsFile()} + store::SystemSettingsFiles();
    // Each stored as plain text: anything but "false" keeps the motion, and a zoom that is not
    // one of the table's sizes is passed over.
    motion_ = store::ReadSetting(stores, kMotionKey) != QStringLiteral("false");
    // The plays are told in the game's English codes unless the player chose Arabic.
    arabicPlays_ = store::ReadSetting(stores, kArabicPlaysKey) == QStringLiteral("true");
    view_->SetArabicPlays(arabicPlays_);
    view_->SetZoom(store::ReadSetting(stores, kZoomKey).value_or(QStringLiteral("100")).toInt());
    // The counters say what their numbers are, with the match's totals.
    view_->SetCountersNamer([this] { ExplainCounters(*view_->CountersLabel(), *game_); });
    ExplainCounters(*view_->CountersLabel(), *game_);

    game_->SetSoundOn(sound::SoundSwitch::ReadSoundOn());
    ShowSoundState();
    game_->Startup(seed, MillisecondsSinceMidnight());
    OpenKeptGame();
    controls_->SpeedBar()->setValue(game_->State().DelayTime);
    UpdateMotion();
    UpdateActions();
    // Our own deck needs no reading; another is read now, over ours.
    if (const auto deck = store::ReadSetting(stores, kDeckKey);
        deck && *deck != QLatin1String(kOurDeckKey))
        SetDeck(*deck);
    hints_->WatchInput();
    // The focus ring around the focused button is drawn on the cloth, outside the button.
    ring_ = std::make_unique<FocusRing>(this, view_->Layout());
    view_->PrepareFacesLater(kFacesAfterStartMs);
}

MainWindow::~MainWindow() = default;

void MainWindow::DressTheWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Utf8(kWindowCaption));
    setAccessibleName(SpokenText(windowTitle()));
    setFont(ArabicFont(FontFace::Sans, 13));
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, QColor(0x1e, 0x6b, 0x3a));  // the green cloth
    setPalette(table);
    move(100, 0);
}

void MainWindow::MakeParts() {
    view_ = std::make_unique<CardTableView>(this, *this);
    pauses_ = std::make_unique<PauseLoop>(this);
    commands_ = std::make_unique<TableCommands>(this);
    // Any size: the table fills the window; F11 puts it full screen and back.
    new TableFit(this, view_->Layout(), view_->Motion());
    statistics_ = std::make_unique<StatisticsKeeper>(this);
    dialogs_ = std::make_unique<TableDialogs>(this, game_, *view_, *pauses_, *statistics_,
                                              commands_->Actions());
    game_ = std::make_unique<Game>(*view_, *sounds_, *pauses_, *dialogs_);
    game_->SetExpertPlayer(&expert::StandardPlayer());
    game_->AddListener(*view_);
    game_->AddListener(*statistics_);
    game_->AddListener(*this);
    scoreboard_ = std::make_unique<Scoreboard>(this, view_->Layout(), *game_);
    game_->AddListener(*scoreboard_);
    review_ = std::make_unique<HandReview>(this, *game_);
    game_->AddListener(*review_);
    story_ = std::make_unique<HandStory>(this, *game_);
    game_->AddListener(*story_);
    runner_ = std::make_unique<GameRunner>(this, *game_, *view_, *pauses_);
    focus_ = std::make_unique<CardFocus>(*game_, *view_);
    drag_ = std::make_unique<CardDrag>(this, *view_, [this](int source, int target) {
        RunGame([=, this] { game_->DropCard(source, target); });
    });
    hints_ = std::make_unique<HintMarks>(this, *view_, *focus_);
    controls_ = std::make_unique<TableControls>(this, view_->Layout(), commands_->Actions());
}

void MainWindow::ConnectGameCommands() {
    const TableActions& a = commands_->Actions();
    const auto run = [this](QAction* command, std::function<void()> action) {
        connect(command, &QAction::triggered, this, [this, action] { RunGame(action); });
    };
    run(a.newGame, [this] {
        if (MayThrowAwayTheGame(kAskNewGame)) game_->NewGame();
    });
    run(a.options, [this] {
        OptionsDialog* options = dialogs_->Options();
        // The switches as the game stands, which a game opened again may have set otherwise.
        const GameState& state = game_->State();
        for (const auto& [box, on] : {std::pair{&options->DinariBox(), state.DinariRule},
                                      {&options->OpenCardsBox(), state.OpenCards},
                                      {&options->AlternateBox(), state.AlternateStart},
                                      {&options->ReverseBox(), state.ReverseGame}})
            box->setChecked(on);
        options->SetChangeCheck([this] { return MayThrowAwayTheGame(kAskOptionsRestart); });
        game_->RunOptions(*options);
    });
    run(a.results, [this] { game_->ShowResultsSheet(); });
    run(a.statistics, [this] { dialogs_->StatisticsBox()->ShowModal(); });
    run(a.takeBack, [this] {
        if (!game_->TakeBack()) return;
        statistics_->PlayTakenBack();
        story_->TakenBackTo(game_->State().PlayCount);
    });
    run(a.help, [this] { dialogs_->Help()->exec(); });
    run(a.manual, [this] { dialogs_->Manual()->exec(); });
    run(a.about, [this] { dialogs_->About()->exec(); });
    run(a.decks, [this] { ChooseDeck(); });
    connect(a.story, &QAction::triggered, story_.get(), &HandStory::Open);
    connect(a.hint, &QAction::triggered, this, &MainWindow::HintClicked);
    connect(a.review, &QAction::triggered, this, &MainWindow::ReviewClicked);
    connect(a.sound, &QAction::triggered, this, &MainWindow::SoundClicked);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::ConnectTableCommands() {
    const TableActions& a = commands_->Actions();
    connect(a.fullScreen, &QAction::triggered, this,
            [this](bool on) { on ? showFullScreen() : showNormal(); });
    const auto zoom = [this] { return view_->Layout().Zoom(); };
    connect(a.zoomIn, &QAction::triggered, this,
            [=, this] { SetZoom(TableLayout::Larger(zoom())); });
    connect(a.zoomOut, &QAction::triggered, this,
            [=, this] { SetZoom(TableLayout::Smaller(zoom())); });
    for (QAction* size : a.zoom)
        connect(size, &QAction::triggered, this, [this, size] { SetZoom(size->data().toInt()); });
    connect(a.motion, &QAction::triggered, this, &MainWindow::SetMotion);
    connect(a.arabicPlays, &QAction::triggered, this, &MainWindow::SetArabicPlays);
    connect(controls_->SpeedBar(), &QScrollBar::valueChanged, this, &MainWindow::SpeedChanged);
    // The menu opens below its button, reading from the button's right edge leftward.
    connect(controls_.get(), &TableControls::MenuAsked, this, [this](const QPoint& corner) {
        ShowMenu(corner - QPoint(commands_->Menu()->sizeHint().width(), 0));
    });
}

// --- Commands ---------------------------------------------------------------------------------

void MainWindow::RunGame(const std::function<void()>& action) {
    if (runner_->Running()) return;
    hints_->Clear();
    const auto* focusedCard = qobject_cast<const CardImage*>(focusWidget());
    const CardPlace::Where before =
        focusedCard ? PlaceOf(focusedCard->Index()).where : CardPlace::Where::Elsewhere;
    const bool ran = runner_->Run(action);
    KeepTheGame();
    if (!ran) return;
    // After a deal, and after a play made from the cards, the keyboard stays on the table.
    if (focusedCard || std::exchange(dealt_, false))
        focus_->KeepOnTheTable(before, focusWidget(), controls_->ResultsButton());
    MarkWaitedForCards(*view_, *game_);
    ExplainCounters(*view_->CountersLabel(), *game_);
    scoreboard_->Refresh();
    UpdateActions();
}

void MainWindow::HandStarted(const HandStart& start) {
    if (start.newGame) dealt_ = true;
}

void MainWindow::HintClicked() {
    if (runner_->Busy()) return;
    hints_->Clear();
    // The expert's advice, from what the player can know.
    const std::optional<PlaySuggestion> hint = game_->SuggestPlay(5);
    if (!hint) return;
    // Its reasons: the same weighing, read for the next best play, off the window's thread.
    const SeatKnowledge knowledge = game_->KnowledgeOf(false);
    std::optional<coach::HintReason> reason;
    pauses_->Think([&] { reason = coach::ReasonFor(knowledge); });
    hints_->Show(*hint, game_->State().Input == InputState::PickFloor,
                 reason ? HintReasonText(*reason, knowledge) : QString());
}

void MainWindow::ReviewClicked() {
    ReviewDialog* dialog = dialogs_->Review();
    const auto fill = [this, dialog] {
        if (const auto& done = review_->Done())
            dialog->ShowReview(done->plays, done->review);
        else if (review_->HaveHand())
            dialog->ShowWaiting();
        else
            dialog->ShowNoHand();
    };
    review_->Start();
    fill();
    const QMetaObject::Connection ready = connect(review_.get(), &HandReview::Ready, dialog, fill);
    dialog->exec();
    disconnect(ready);
}

void MainWindow::SoundClicked() {
    game_->SetSoundOn(sound::SoundSwitch::Toggle(game_->State().SoundOn, *dialogs_));
    ShowSoundState();
}

void MainWindow::SpeedChanged(int position) {
    game_->SetDelayTime(position);
    UpdateMotion();
    // The speed is kept with the game once the bar rests; a play keeps it sooner.
    static constexpr int kSpeedRestMs = 500;
    if (!runner_->Running())
        QTimer::singleShot(kSpeedRestMs, this, [this, position] {
            if (!runner_->Running() && game_->State().DelayTime == position) KeepTheGame();
        });
}

void MainWindow::OpenKeptGame() {
    GameKeeper::Found found = keeper_->Open();
    if (found.kept) {
        // The sound stays as the player's switch has it; the rest as the game stood.
        const bool sound = game_->State().SoundOn;
        game_->Resume(found.kept->game);
        game_->SetSoundOn(sound);
        statistics_->Resumed(game_->State().Level, game_->State().GameType,
                             found.kept->playTakenBack);
        view_->SetMsg(kResumedNote);
        MarkWaitedForCards(*view_, *game_);
        ExplainCounters(*view_->CountersLabel(), *game_);
        return;
    }
    if (!found.message.isEmpty()) {
        QTimer::singleShot(0, this, [this, message = found.message] {
            if (runner_->Running()) return;
            runner_->Run([&] { AskDialog(this).Tell(message); });
        });
    }
}

void MainWindow::KeepTheGame() {
    keeper_->Update(*game_, statistics_->PlayWasTakenBack());
}

bool MainWindow::MayThrowAwayTheGame(const char* question) {
    return !game_->State().GameActive || AskDialog(this).Ask(QString::fromUtf8(question));
}

void MainWindow::SetZoom(int percent) {
    view_->SetZoom(percent);
    store::WriteSettings(store::GameSettingsFile(), {{kZoomKey, view_->Layout().Zoom()}});
    UpdateActions();
    update();
}

void MainWindow::SetMotion(bool on) {
    motion_ = on;
    store::WriteSettings(store::GameSettingsFile(), {{kMotionKey, on}});
    UpdateMotion();
    UpdateActions();
}

void MainWindow::SetArabicPlays(bool on) {
    arabicPlays_ = on;
    store::WriteSettings(store::GameSettingsFile(), {{kArabicPlaysKey, on}});
    view_->SetArabicPlays(on);
    UpdateActions();
}

void MainWindow::ChooseDeck() {
    if (!deckDialog_) deckDialog_ = new DeckDialog(this);
    const std::optional<DeckDialog::Choice> choice = deckDialog_->Choose(DeckInUse());
    if (!choice) return;
    if (choice->deck || choice->key == QLatin1String(kOurDeckKey)) {
        UseDeck(choice->deck, choice->key);
        view_->RedrawDeck();
    } else {
        SetDeck(choice->key);  // it could not be read: ours, with a note
    }
    // A deck that could not be drawn after all is not remembered: ours is.
    const QString inUse = DeckInUse();
    store::WriteSettings(store::GameSettingsFile(),
                         {{kDeckKey, inUse.isEmpty() ? QString::fromLatin1(kOurDeckKey) : inUse}});
}

void MainWindow::SetDeck(const QString& key) {
    const DeckChange change = ChangeDeck(key);
    view_->RedrawDeck();
    if (change.result == DeckChange::Result::Unreadable)
        view_->SetMsg(Utf8(kDeckUnreadable).arg(change.name).toStdString());
}

void MainWindow::UpdateMotion() {
    // At the fastest speed there is no time to watch the cards move.
    view_->Motion().SetEnabled(motion_ && game_->State().DelayTime > 0);
}

void MainWindow::UpdateActions() {
    const bool running = runner_->Running();
    commands_->Show({.canHint = !running && game_->SuggestPlay().has_value(),
                     .canTakeBack = !running && game_->CanTakeBack(),
                     .motion = motion_,
                     .arabicPlays = arabicPlays_,
                     .soundOn = game_->State().SoundOn,
                     .zoom = view_->Layout().Zoom()});
}

void MainWindow::ShowSoundState() {
    QToolButton* button = controls_->SoundButton();
    view_->Layout().SetIcon(
        button, 21,
        game_->State().SoundOn ? QStringLiteral("sound_on") : QStringLiteral("sound_off"));
    button->setAccessibleName(Utf8(game_->State().SoundOn ? kSoundOnName : kSoundOffName));
    commands_->Actions().sound->setChecked(game_->State().SoundOn);
}

void MainWindow::ShowMenu(const QPoint& globalPos) {
    if (runner_->Busy()) return;
    UpdateActions();
    commands_->Menu()->popup(globalPos);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowMenu(event->globalPos());
}

void MainWindow::paintEvent(QPaintEvent*) {
    if (ring_) ring_->Paint();
}

// --- The cards: keyboard and mouse
// ------------------------------------------------------------

bool MainWindow::focusNextPrevChild(bool next) {
    // Tab goes round the buttons, the menu button, the hand and the floor; inside the hand
    // and the floor the arrow keys move.
    focus_->Tab(controls_->TabOrder(), focusWidget(), next);
    return true;
}

void MainWindow::ActivateCard(int index) {
    if (runner_->Busy() || !InRange(index, 0, kDeckSize)) return;
    const ImageState& image = game_->State().Table.images[index];
    // As the mouse can: only a card that is shown and not yet taken.
    if (image.visible && image.enabled) RunGame([=, this] { game_->DropCard(index, index); });
}

void MainWindow::CardPressed(int index, const QPoint& globalPos) {
    if (runner_->Busy()) return;
    drag_->Press(index, globalPos);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!runner_->Running() && game_->State().GameActive) {
        KeepTheGame();
        if (keeper_->Kept()) {
            // Nothing is lost; a desktop that is logging out is not held up to say so.
            if (!qApp->isSavingSession()) AskDialog(this).Tell(QString::fromUtf8(kToldKept));
        } else if (!AskDialog(this).Ask(QString::fromUtf8(kAskQuit))) {
            event->ignore();
            return;
        }
    }
    if (runner_->Running()) {
        // Closed in the middle of a play: the play runs out without pauses or dialogs,
        // then the program ends.
        pauses_->Quit();
        hide();
    }
    event->accept();
}

}  // namespace tazkova::ui
