// The message dialog: what the player reads when a match or the game ends, or when a
// change of options restarts the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "Untmsg.h"
#include "game.h"
#include "recording.h"
#include "texts.h"

namespace {

/// What the player saw while the dialog was up.
struct Seen {
    bool modal = false;
    QString text;
    bool scrollBar = true;
};

/// Opens the dialog with `show`, notes what it shows and presses its continue button.
Seen WhileShown(TfrmMsg& dialog, const std::function<void()>& show) {
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
class WindowDialogs : public tazkova::RecordingTable {
  public:
    explicit WindowDialogs(TfrmMsg& dialog) : dialog_(dialog) {}
    void ShowMessageDialog(const std::string& text) override {
        dialog_.ShowModalText(QString::fromStdString(text));
    }

  private:
    TfrmMsg& dialog_;
};

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

TEST(MessageDialog, ShowMessageEndsEveryTextWithABlankAndFourStops) {
    TfrmMsg dialog;
    const QString gameOver = Utf8(tazkova::texts::kGameOver);
    Seen seen = WhileShown(dialog, [&] { dialog.ShowMessage(gameOver); });
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.text, gameOver + " ....");

    // A text that already ends in full stops gets the blank and four more.
    const QString won = Utf8(tazkova::texts::kYouHaveWon) + "....";
    seen = WhileShown(dialog, [&] { dialog.ShowMessage(won); });
    EXPECT_EQ(seen.text, won + " ....");
    EXPECT_TRUE(seen.text.endsWith(".... ...."));
}

TEST(MessageDialog, TheGamesOwnMessageIsShownWithItsEndingOnce) {
    TfrmMsg dialog;
    WindowDialogs dialogs(dialog);
    tazkova::Game game(dialogs, dialogs, dialogs, dialogs);
    Seen seen = WhileShown(dialog, [&] { game.ShowMessage("Tazkova"); });
    EXPECT_EQ(seen.text, QStringLiteral("Tazkova ...."));
}

TEST(MessageDialog, ShowsTheTextExactlyAndOnlyTheLatestOne) {
    TfrmMsg dialog;
    const QString first = Utf8(tazkova::texts::kMeWinsMatch) + "\n" + Utf8(tazkova::texts::kYes);
    Seen seen = WhileShown(dialog, [&] { dialog.ShowModalText(first); });
    EXPECT_EQ(seen.text, first);  // blanks and line break kept, nothing added

    const QString second = Utf8(tazkova::texts::kVerdictDraw);
    seen = WhileShown(dialog, [&] { dialog.ShowModalText(second); });
    EXPECT_EQ(seen.text, second);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessageDialog, TheLongestRestartAnnouncementShowsWhole) {
    tazkova::RecordingTable table;
    tazkova::Game game(table, table, table, table);
    game.DinariRule = true;
    game.ReverseGame = true;
    game.GameType = 3;
    game.BuildGameTitle();
    TfrmMsg dialog;
    const QString restart = Utf8(tazkova::texts::kNewGameRestart) + Utf8(game.GameTitle);
    const Seen seen = WhileShown(dialog, [&] { dialog.ShowMessage(restart); });
    EXPECT_EQ(seen.text, restart + " ....");
    EXPECT_FALSE(seen.scrollBar) << "the announcement does not fit the memo";
}
