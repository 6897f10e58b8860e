// The message dialog: what the player reads when a match or the game ends, or when a
// change of options restarts the game.
#include "ui/dialogs/message_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "game/game.h"
#include "game/recording.h"
#include "game/texts.h"

using namespace tazkova::ui;
using namespace tazkova::game;

namespace {

/// What the player saw while the dialog was up.
struct Seen {
    bool modal = false;
    QString text;
    bool scrollBar = true;
};

/// Opens the dialog with `show`, notes what it shows and presses its continue button.
Seen WhileShown(MessageDialog& dialog, const std::function<void()>& show) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        seen.modal = QApplication::activeModalWidget() == &dialog;
        seen.text = dialog.Text();
        const auto* memo = dialog.findChild<QTextEdit*>(QStringLiteral("Msg"));
        seen.scrollBar = memo->verticalScrollBar()->maximum() > 0;
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    show();
    return seen;
}

/// The window's side of the game's message: the full text goes to the dialog unchanged.
class WindowDialogs : public tazkova::game::RecordingTable {
  public:
    explicit WindowDialogs(MessageDialog& dialog) : dialog_(dialog) {}
    void ShowMessageDialog(const std::string& text) override {
        dialog_.ShowText(QString::fromStdString(text));
    }

  private:
    MessageDialog& dialog_;
};

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

TEST(MessageDialogTest, TheGamesMessagesEndWithABlankAndFourStops) {
    MessageDialog dialog;
    WindowDialogs dialogs(dialog);
    tazkova::game::Game game(dialogs, dialogs, dialogs, dialogs);
    const std::string gameOver(tazkova::game::texts::kGameOver);
    Seen seen = WhileShown(dialog, [&] { game.ShowMessage(gameOver); });
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.text, Utf8(gameOver) + QStringLiteral(" ...."));

    // A text that already ends in full stops gets the blank and four more.
    const std::string won = std::string(tazkova::game::texts::kYouHaveWon) + "....";
    seen = WhileShown(dialog, [&] { game.ShowMessage(won); });
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral(".... ....")));
}

TEST(MessageDialogTest, ShowsTheTextExactlyAndOnlyTheLatestOne) {
    MessageDialog dialog;
    const QString first = Utf8(tazkova::game::texts::kMeWinsMatch) + QStringLiteral("\n") +
                          Utf8(tazkova::game::texts::kYes);
    Seen seen = WhileShown(dialog, [&] { dialog.ShowText(first); });
    EXPECT_EQ(seen.text, first);  // blanks and line break kept, nothing added

    const QString second = Utf8(tazkova::game::texts::kVerdictDraw);
    seen = WhileShown(dialog, [&] { dialog.ShowText(second); });
    EXPECT_EQ(seen.text, second);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessageDialogTest, TheLongestRestartAnnouncementShowsWhole) {
    tazkova::game::RecordingTable table;
    tazkova::game::Game game(table, table, table, table);
    StateEditor::Of(game).DinariRule = true;
    StateEditor::Of(game).ReverseGame = true;
    StateEditor::Of(game).GameType = 3;
    game.BuildGameTitle();
    MessageDialog dialog;
    const QString restart =
        Utf8(tazkova::game::texts::kNewGameRestart) + Utf8(game.State().GameTitle);
    const QString shown = restart + QStringLiteral(" ....");
    const Seen seen = WhileShown(dialog, [&] { dialog.ShowText(shown); });
    EXPECT_EQ(seen.text, shown);
    EXPECT_FALSE(seen.scrollBar) << "the announcement does not fit the memo";
}
