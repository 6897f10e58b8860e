// The options dialog: its start-up state, and the options button of a real game run against
// it, the dialog closed by the player's OK button or by the window's close box.
#include "ui/dialogs/options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <random>

#include "game/game.h"
#include "game/recording.h"
#include "game/texts.h"
#include "tests/ui/click.h"

using namespace tazkova::ui;
using namespace tazkova::game;

namespace {

using tazkova::game::CheckState;
using tazkova::game::Game;
using tazkova::game::TableEvent;

// The dialog's texts as the player reads them.
const QString kCaption = QStringLiteral("إختيارات Tazkova");
const QString kTypeHeading = QStringLiteral("نـوع اللعبة");
const QStringList kTypeItems = {
    QStringLiteral("Tazkova عـاديـة 21 "), QStringLiteral("Tazkova بالعـدد 31"),
    QStringLiteral("Tazkova بعددها 41"), QStringLiteral("Tazkova بعددها 61")};
const QString kLevelHeading = QStringLiteral("الـمـســتوى");
const QStringList kLevelItems = {QStringLiteral("مستوى أول"), QStringLiteral("مستوى ثاني"),
                                 QStringLiteral("مستوى ثالث"), QStringLiteral("مستوى رابع"),
                                 QStringLiteral("مستوى خبير")};
const QString kDnry = QStringLiteral("Tazkova الديناري");
const QString kMakShoof = QStringLiteral("كشـف الاوراق");
const QString kStrt = QStringLiteral("بدأ اللعب بالتبادل");
const QString kRvrs = QStringLiteral("Tazkova عكســية");
const QString kOK = QStringLiteral("اسـتمر");

TEST(OptionsDialogStartUp, ControlsStandWhereAndAsDesigned) {
    OptionsDialog dialog;
    // The expert's item below the fourth makes the level group, and so the dialog, taller.
    constexpr int kFifth = 19;
    EXPECT_EQ(dialog.size(), QSize(287, 266 + kFifth));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.windowTitle(), kCaption);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    const RtlRadioGroup& type = dialog.TypeGroup();
    EXPECT_EQ(type.geometry(), QRect(148, 40, 119, 99));
    EXPECT_EQ(type.Items(), kTypeItems);
    EXPECT_EQ(dialog.GameTypeIndex(), 2);
    const RtlRadioGroup& level = dialog.LevelGroup();
    EXPECT_EQ(level.geometry(), QRect(18, 40, 110, 99 + kFifth));
    EXPECT_EQ(level.Items(), kLevelItems);
    EXPECT_EQ(dialog.LevelIndex(), 3);
    for (const RtlRadioGroup* group : {&type, &level}) {
        ASSERT_EQ(group->ButtonCount(), group->Items().size());
        for (int i = 0; i < group->ButtonCount(); ++i)
            EXPECT_EQ(group->Button(i)->isChecked(), i == group->ItemIndex()) << i;
    }
    // Just large enough: the five levels' items are as tall as the four game types'.
    EXPECT_EQ(level.Button(4)->height(), type.Button(3)->height());
    EXPECT_EQ(level.Button(4)->geometry().bottom() - level.height(),
              type.Button(3)->geometry().bottom() - type.height());

    struct Box {
        const RtlCheckBox& box;
        CheckState state;
        QString text;
        QRect geometry;
    };
    const Box boxes[] = {
        {dialog.DinariBox(), dialog.DinariRule(), kDnry, QRect(154, 161 + kFifth, 95, 22)},
        {dialog.OpenCardsBox(), dialog.OpenCards(), kMakShoof, QRect(158, 196 + kFifth, 91, 17)},
        {dialog.AlternateBox(), dialog.AlternateStart(), kStrt, QRect(22, 165 + kFifth, 105, 20)},
        {dialog.ReverseBox(), dialog.ReverseGame(), kRvrs, QRect(20, 196 + kFifth, 105, 19)},
    };
    for (const Box& b : boxes) {
        EXPECT_EQ(b.box.text(), b.text);
        EXPECT_EQ(b.box.geometry(), b.geometry) << b.text.toStdString();
        EXPECT_EQ(b.box.parentWidget(), type.parentWidget()) << "lies on the panel";
    }
    EXPECT_EQ(boxes[0].state, CheckState::Checked);
    EXPECT_EQ(boxes[1].state, CheckState::Unchecked);
    EXPECT_EQ(boxes[2].state, CheckState::Unchecked);
    EXPECT_EQ(boxes[3].state, CheckState::Unchecked);

    const QLabel* typeHeading = dialog.findChild<QLabel*>(QStringLiteral("Label9"));
    const QLabel* levelHeading = dialog.findChild<QLabel*>(QStringLiteral("Label10"));
    ASSERT_TRUE(typeHeading && levelHeading);
    EXPECT_EQ(typeHeading->text(), kTypeHeading);
    EXPECT_EQ(typeHeading->pos(), QPoint(172, 18));
    EXPECT_EQ(levelHeading->text(), kLevelHeading);
    EXPECT_EQ(levelHeading->pos(), QPoint(42, 16));

    const QPushButton& ok = dialog.OkButton();
    EXPECT_EQ(ok.text(), kOK);
    EXPECT_EQ(ok.geometry(), QRect(99, 233 + kFifth, 77, 27));
    EXPECT_EQ(ok.parentWidget(), &dialog) << "lies on the form, not on the panel";
    EXPECT_TRUE(ok.font().bold());
    EXPECT_TRUE(ok.isDefault());
    EXPECT_EQ(dialog.focusWidget(), &ok);

    // Shown centred over the game's window, not over the screen.
    QWidget mainWindow;
    mainWindow.setGeometry(300, 200, 400, 300);
    mainWindow.show();
    OptionsDialog over(&mainWindow);
    over.show();
    const QPoint offCentre = over.frameGeometry().center() - mainWindow.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4);
}

enum class Closing { OKButton, CloseBox };

/// A game on a recording table with the options dialog beside it.
class OptionsButton : public ::testing::TestWithParam<Closing> {
  protected:
    void SetUp() override {
        game.Startup({tazkova::game::SeedChoice::Kind::Advance, 5}, 0);
        StateEditor::Of(game).SoundOn = true;
        table.TakeEvents();
    }

    void StartGame() {
        game.NewGame();
        table.TakeEvents();
    }

    /// Presses the options button; while the dialog is up, `play` acts on it as the player
    /// would, then the dialog is closed the way the test is run with.
    void PressOptions(const std::function<void(OptionsDialog&)>& play = {}) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget() == &dialog;
            if (!shown) {
                dialog.reject();  // never leave the test waiting on a dialog
                return;
            }
            if (play) play(dialog);
            if (GetParam() == Closing::OKButton)
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            else
                dialog.close();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog did not close";
                dialog.reject();
            }
        });
        game.RunOptions(dialog);
        EXPECT_TRUE(shown) << "the options dialog was not shown modally";
        EXPECT_FALSE(dialog.isVisible());
    }

    /// What the player saw and heard, one line per event, without waits and counters.
    std::vector<std::string> Seen() {
        std::vector<std::string> seen;
        for (const TableEvent& e : table.TakeEvents()) {
            static const std::map<TableEvent::Kind, std::string> kShown = {
                {TableEvent::Kind::Play, "play "},
                {TableEvent::Kind::Stop, "stop "},
                {TableEvent::Kind::Msg, "msg "},
                {TableEvent::Kind::Message, "message "},
                {TableEvent::Kind::MessageBox, "messagebox "}};
            if (const auto shown = kShown.find(e.kind); shown != kShown.end())
                seen.push_back(shown->second + e.text);
        }
        return seen;
    }

    /// What opening and closing the dialog shows when nothing is restarted.
    std::vector<std::string> Untouched() const {
        return {"play waveOptions", "msg " + Game::Banner(), "stop waveOptions"};
    }

    /// Plays the running game to its end with the human clicking cards at random.
    void PlayToTheEnd() {
        std::mt19937 pick(7);
        for (int step = 0; step < 60000 && game.State().GameActive; ++step) {
            std::vector<int> cards;
            for (const tazkova::game::Pile* p : {&game.State().YouPile, &game.State().FloorPile})
                for (int i = 1; i <= p->Count; ++i) cards.push_back(p->Cards[i] - 1);
            ASSERT_FALSE(cards.empty());
            const int image = cards[pick() % cards.size()];
            const tazkova::game::ImageState& state = table.Images()[image];
            if (state.visible && state.enabled) game.DropCard(image, image);
        }
        ASSERT_FALSE(game.State().GameActive) << "the game did not end";
        table.TakeEvents();
    }

    tazkova::game::RecordingTable table;
    Game game{table, table, table, table};
    OptionsDialog dialog;
};

TEST_P(OptionsButton, ClosingWithoutAChangeLeavesTheGameRunning) {
    StartGame();
    const std::uint32_t generator = game.State().Rng.State();
    const std::string title = game.State().GameTitle;
    PressOptions();
    EXPECT_EQ(Seen(), Untouched());
    EXPECT_EQ(game.State().Rng.State(), generator) << "no new deal";
    EXPECT_TRUE(game.State().GameActive);
    EXPECT_EQ(game.State().GameTitle, title);
}

TEST_P(OptionsButton, ChangingOnlyTheLevelInAGameAnnouncesAndDealsANewGame) {
    StartGame();
    const std::uint32_t generator = game.State().Rng.State();
    PressOptions([&](OptionsDialog& d) { ClickOn(d.LevelGroup().Button(0)); });
    EXPECT_EQ(game.State().Level, 1);
    EXPECT_NE(game.State().Rng.State(), generator) << "a new deal";
    EXPECT_TRUE(game.State().GameActive);
    EXPECT_EQ(game.State().HandNumber, 1);

    const std::vector<std::string> seen = Seen();
    ASSERT_GE(seen.size(), 5u);
    EXPECT_EQ(seen[0], "play waveOptions");
    EXPECT_EQ(seen[1], "msg " + Game::Banner());
    EXPECT_EQ(seen[2], "message " + std::string(tazkova::game::texts::kNewGameRestart) +
                           game.State().GameTitle + " ....");
    // The new game's first hand is announced after the message, before the sound stops.
    const auto startOfHand = std::find(
        seen.begin() + 3, seen.end(),
        "msg " + std::string(tazkova::game::texts::kStartOfNewGame) + game.State().GameTitle);
    EXPECT_NE(startOfHand, seen.end());
    EXPECT_EQ(seen.back(), "stop waveOptions");
}

TEST_P(OptionsButton, ABoxChangedAndChangedBackIsNoChange) {
    StartGame();
    const std::uint32_t generator = game.State().Rng.State();
    PressOptions([&](OptionsDialog& d) {
        ClickOn(&d.OpenCardsBox());
        EXPECT_EQ(d.OpenCards(), CheckState::Checked);
        ClickOn(&d.OpenCardsBox());
    });
    EXPECT_EQ(Seen(), Untouched());
    EXPECT_EQ(game.State().Rng.State(), generator);
    EXPECT_FALSE(game.State().OpenCards);
}

TEST_P(OptionsButton, ChangesWithNoGameRunningWaitForTheNextNewGame) {
    // Before the first game: the shorter game type, taken without a word.
    const std::uint32_t atStart = game.State().Rng.State();
    PressOptions([&](OptionsDialog& d) { ClickOn(d.TypeGroup().Button(0)); });
    EXPECT_EQ(Seen(), Untouched());
    EXPECT_EQ(game.State().Rng.State(), atStart);
    EXPECT_FALSE(game.State().GameActive);
    EXPECT_EQ(game.State().GameType, 0);
    EXPECT_EQ(game.State().TargetScore, 21);

    StartGame();
    PlayToTheEnd();
    const std::uint32_t atEnd = game.State().Rng.State();
    PressOptions([&](OptionsDialog& d) {
        ClickOn(&d.OpenCardsBox());
        ClickOn(&d.ReverseBox());
        ClickOn(d.LevelGroup().Button(1));
    });
    EXPECT_EQ(Seen(), Untouched());
    EXPECT_EQ(game.State().Rng.State(), atEnd) << "no new deal";
    EXPECT_FALSE(game.State().GameActive);
    EXPECT_TRUE(game.State().OpenCards);
    EXPECT_TRUE(game.State().ReverseGame);
    EXPECT_EQ(game.State().Level, 2);
    EXPECT_TRUE(
        std::string_view(game.State().GameTitle).ends_with(tazkova::game::texts::kTitleReverse));
}

TEST_P(OptionsButton, GroupsShowTheOptionsAndBoxesKeepTheirLastState) {
    PressOptions([&](OptionsDialog& d) { ClickOn(&d.DinariBox()); });
    EXPECT_FALSE(game.State().DinariRule);
    Seen();

    // The level is put back from outside the dialog (as a fresh start-up would); the groups
    // follow the game, the boxes stay as the player left them.
    StateEditor::Of(game).Level = 2;
    StateEditor::Of(game).GameType = 3;
    int levelShown = -2;
    int typeShown = -2;
    CheckState dinariShown = CheckState::Checked;
    PressOptions([&](OptionsDialog& d) {
        levelShown = d.LevelGroup().ItemIndex();
        typeShown = d.TypeGroup().ItemIndex();
        dinariShown = d.DinariRule();
    });
    EXPECT_EQ(levelShown, 1);
    EXPECT_EQ(typeShown, 3);
    EXPECT_EQ(dinariShown, CheckState::Unchecked);
    EXPECT_EQ(game.State().TargetScore, 61);
    EXPECT_FALSE(game.State().DinariRule);
}

INSTANTIATE_TEST_SUITE_P(ClosedBy, OptionsButton,
                         ::testing::Values(Closing::OKButton, Closing::CloseBox),
                         [](const ::testing::TestParamInfo<Closing>& closing) {
                             return closing.param == Closing::OKButton ? "OKButton" : "CloseBox";
                         });

}  // namespace
