// The window keeps the game under way: closed in the middle of a hand it opens again where
// it stood, a kept file it cannot open is set aside with a message, a second window leaves
// the first's game alone, and nothing throws the game away without asking.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "game/recording.h"
#include "keep/kept_game.h"
#include "store/kept_game_store.h"
#include "store/plain_file.h"
#include "tests/scratch_home.h"
#include "tests/ui/window_parts.h"
#include "ui/dialogs/ask_dialog.h"
#include "ui/dialogs/kept_texts.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/main_window.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

/// Answers each modal dialog as it opens with `answer`, noting the questions and notes asked.
class Answering {
  public:
    explicit Answering(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* ask = qobject_cast<AskDialog*>(modal)) asked_ << ask->Text();
            answer_(modal);
        });
        timer_.start();
    }
    const QStringList& Asked() const { return asked_; }

  private:
    QTimer timer_;
    std::function<void(QWidget*)> answer_;
    QStringList asked_;
};

/// Yes to every question, OK to every dialog.
void SayYes(QWidget* modal) {
    static_cast<QDialog*>(modal)->accept();
}

/// A window started without a number (`keep`) or with one; `sounds`, when given, is told
/// where the window's sounds are recorded.
std::unique_ptr<MainWindow> OpenWindow(bool keep = true, RecordingTable** sounds = nullptr) {
    auto recorder = std::make_unique<RecordingTable>();
    if (sounds) *sounds = recorder.get();
    auto window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 5},
                                               std::move(recorder), nullptr, keep);
    window->show();
    window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->setValue(0);
    QApplication::processEvents();
    return window;
}

/// Plays `plays` of the human's hand cards, by clicks.
void PlayCards(MainWindow& window, int plays) {
    for (int i = 0; i < plays && GameOf(window).State().GameActive; ++i) {
        const Pile& hand = GameOf(window).State().YouPile;
        if (hand.Count == 0) break;
        QTest::mouseClick(CardOf(window, hand.Cards[1] - 1), Qt::LeftButton);
        // A card that waits for its floor cards: the hint's capture is clicked.
        if (GameOf(window).State().Input == InputState::PickFloor) {
            const auto hint = GameOf(window).SuggestPlay();
            for (int card : hint ? hint->takes : std::vector<int>{})
                QTest::mouseClick(CardOf(window, card - 1), Qt::LeftButton);
        }
    }
}

std::string Kept(const MainWindow& window) {
    return tazkova::keep::Encode({GameOf(window).Snapshot()});
}

QString StatusLineText(const MainWindow& window) {
    return window.findChild<QLabel*>(QStringLiteral("Msg"))->text();
}

}  // namespace

TEST(KeptGameWindow, AGameClosedInTheMiddleOfAHandOpensAgainWhereItStood) {
    ScratchHome home;
    Answering answering(SayYes);
    auto first = OpenWindow();
    ActionsOf(*first).newGame->trigger();
    PlayCards(*first, 4);
    ActionsOf(*first).takeBack->trigger();
    ASSERT_TRUE(GameOf(*first).State().GameActive);
    const std::string stood = Kept(*first);
    // A second window plays a game of its own and leaves the first's alone.
    auto second = OpenWindow();
    EXPECT_FALSE(GameOf(*second).State().GameActive);
    second.reset();
    first->close();
    EXPECT_EQ(answering.Asked().size(), 1);  // told that the game is kept, not asked
    first.reset();

    RecordingTable* sounds = nullptr;
    auto again = OpenWindow(true, &sounds);
    EXPECT_EQ(Kept(*again), stood);
    // Shown at once: nothing is dealt again, nothing heard.
    for (const TableEvent& event : sounds->Events()) EXPECT_NE(event.kind, TableEvent::Kind::Play);
    EXPECT_EQ(StatusLineText(*again), QString::fromUtf8("عادت اللعبة كما تركتها، تابع اللعب"));
    // The take back is remembered for the statistics, and the game plays on.
    EXPECT_TRUE(PartOf<StatisticsKeeper>(*again, "StatisticsKeeper").PlayWasTakenBack());
    PlayCards(*again, 2);
    EXPECT_NE(Kept(*again), stood);
    // With a number on the command line the kept game is left alone.
    auto numbered = OpenWindow(false);
    EXPECT_FALSE(GameOf(*numbered).State().GameActive);
    numbered.reset();
    const std::optional<QByteArray> file =
        tazkova::store::ReadPlainFile(tazkova::store::KeptGameFile());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->toStdString(), tazkova::keep::Encode({GameOf(*again).Snapshot(), true}));
}

TEST(KeptGameWindow, AKeptFileThatCannotBeOpenedIsSetAsideWithAMessage) {
    ScratchHome home;
    const QString path = tazkova::store::KeptGameFile();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"tazkova-kept-game\",\"version\":1,\"state\":{");
    file.close();
    Answering answering(SayYes);
    auto window = OpenWindow();
    QTest::qWait(50);
    EXPECT_FALSE(GameOf(*window).State().GameActive);
    ASSERT_EQ(answering.Asked().size(), 1);
    EXPECT_TRUE(answering.Asked()[0].startsWith(QString::fromUtf8("تعذّر فتح اللعبة المحفوظة")));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath())
                  .entryList({QStringLiteral("game.json.refused-*")})
                  .size(),
              1);
}

TEST(KeptGameWindow, ANewGameOrAnOptionChangeMidGameAsksFirstAndCancelChangesNothing) {
    ScratchHome home;
    auto window = OpenWindow(false);
    {
        Answering answering(SayYes);
        ActionsOf(*window).newGame->trigger();
        PlayCards(*window, 2);
        EXPECT_TRUE(answering.Asked().isEmpty());
    }
    const std::string stood = Kept(*window);
    int step = 0;
    // "لا" to the question; in the options dialog the open-cards switch is turned, then the
    // dialog is closed by `close` (OK, its close box, or cancel).
    std::function<void(OptionsDialog&)> close;
    Answering answering([&](QWidget* modal) {
        if (auto* ask = qobject_cast<AskDialog*>(modal)) {
            ask->NoButton().click();
        } else if (auto* options = qobject_cast<OptionsDialog*>(modal)) {
            options->OpenCardsBox().click();
            options->LevelGroup().SetItemIndex(0);
            close(*options);
        }
        ++step;
    });
    ActionsOf(*window).newGame->trigger();
    EXPECT_EQ(Kept(*window), stood);
    const std::function<void(OptionsDialog&)> closings[] = {
        [](OptionsDialog& d) { d.OkButton().click(); },
        [](OptionsDialog& d) { d.close(); },
        [](OptionsDialog& d) { d.CancelButton().click(); },
    };
    for (const auto& closing : closings) {
        close = closing;
        ActionsOf(*window).options->trigger();
        EXPECT_EQ(GameOf(*window).State().Level, 4);
        EXPECT_FALSE(GameOf(*window).State().OpenCards);
        EXPECT_EQ(DialogsOf(*window).Options()->LevelIndex(), 3);
        EXPECT_EQ(DialogsOf(*window).Options()->OpenCards(), CheckState::Unchecked);
    }
    // Asked on OK and on the close box; cancel asks nothing.
    EXPECT_EQ(answering.Asked().size(), 3);
    EXPECT_EQ(answering.Asked()[0], QString::fromUtf8(kAskNewGame));
    EXPECT_EQ(answering.Asked()[1], QString::fromUtf8(kAskOptionsRestart));
    EXPECT_EQ(Kept(*window).substr(0, 200), stood.substr(0, 200));
    EXPECT_EQ(GameOf(*window).State().HandNumber, 1);
    // Quitting a game that is not kept asks, and "لا" keeps the window open.
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(answering.Asked().last(), QString::fromUtf8(kAskQuit));
}
