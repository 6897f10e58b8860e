// The help dialog: the five rules as the player reads them, the applause while it is open and
// the shortcut button.
#include "ui/dialogs/help_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <vector>

#include "game/game.h"
#include "game/recording.h"

using tazkova::game::TableEvent;

using namespace tazkova::ui;
using namespace tazkova::game;

namespace {

// The rules, word for word and blank for blank.
const char* const kRules[] = {
    "  البـرمـيـلة : تتحصل علي نقطة في حالة فوزك بـثلاثة اوراق 7 او ورقتي 7 و ثلاثة ورقات 6",
    "   الديناري :  تتحصل على نقطة عند فوزك بستة اوراق ديناري او اكثر",
    "   الحــــيــة : تتحصل على نقطة عند فوزك بورقة سبعة الديناري",
    "عدد الاوراق : عند فوزك باغلبية الاوراق تتحصل على نقطة",
    "Tazkovas : عند الفوز بجميع الاوراق المطروحة تتحصل علي Tazkova  و تحتسب حسب نوع اللعبة",
};

class HelpDialogTest : public ::testing::Test {
  protected:
    HelpDialogTest() : game(table, table, table, table), dialog(game) {}

    /// Opens the dialog the way the help button does; `whileOpen` runs inside and closes it.
    int Open(const std::function<void()>& whileOpen) {
        QTimer::singleShot(0, [&] {
            open = QApplication::activeModalWidget() == &dialog;
            eventsWhileOpen = table.TakeEvents();
            whileOpen();
        });
        return dialog.exec();
    }

    QPushButton* Button(const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    /// The sound events since the last look, as "Play waveClap" and "Stop waveClap".
    static std::vector<std::string> Sounds(const std::vector<TableEvent>& events) {
        std::vector<std::string> out;
        for (const TableEvent& e : events) {
            if (e.kind == TableEvent::Kind::Play) out.push_back("Play " + e.text);
            if (e.kind == TableEvent::Kind::Stop) out.push_back("Stop " + e.text);
        }
        return out;
    }

    tazkova::game::RecordingTable table;
    tazkova::game::Game game;
    HelpDialog dialog;
    bool open = false;
    std::vector<TableEvent> eventsWhileOpen;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(HelpDialogTest, ShowsTheFiveRulesExactly) {
    const QStringList lines = dialog.Text().split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i].toStdString(), kRules[i]) << "line " << i + 1;
}

TEST_F(HelpDialogTest, EveryRuleFitsTheMemoWithoutScrolling) {
    const auto* memo = dialog.findChild<QTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), dialog.Text());
    const QSize room = memo->viewport()->size();
    EXPECT_LE(memo->document()->idealWidth(), room.width()) << "a rule is cut off at the side";
    EXPECT_LE(memo->document()->size().height(), room.height()) << "a rule is cut off below";
}

TEST_F(HelpDialogTest, ApplauseRunsWhileTheDialogIsOpen) {
    StateEditor::Of(game).SoundOn = true;
    table.TakeEvents();
    EXPECT_EQ(Open([&] { Button("BitBtn2")->click(); }), QDialog::Accepted);
    EXPECT_TRUE(open);
    EXPECT_EQ(Sounds(eventsWhileOpen), Strings{"Play waveClap"});
    EXPECT_EQ(Sounds(table.TakeEvents()), Strings{"Stop waveClap"});

    // Escape closes it too, and the applause still stops; each opening plays it afresh.
    Open([&] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
    });
    EXPECT_EQ(Sounds(eventsWhileOpen), Strings{"Play waveClap"});
    EXPECT_EQ(Sounds(table.TakeEvents()), Strings{"Stop waveClap"});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HelpDialogTest, WithTheSoundSwitchedOffNothingIsPlayed) {
    StateEditor::Of(game).SoundOn = false;
    table.TakeEvents();
    Open([&] { dialog.reject(); });
    EXPECT_EQ(Sounds(eventsWhileOpen), Strings{});
    EXPECT_EQ(Sounds(table.TakeEvents()), Strings{"Stop waveClap"});
}

TEST_F(HelpDialogTest, ShortcutButtonPutsTheGameOnTheDesktopAndCloses) {
    QTemporaryDir desktop;
    ASSERT_TRUE(desktop.isValid());
    dialog.SetDesktopFolder(desktop.path());
    StateEditor::Of(game).SoundOn = true;
    table.TakeEvents();
    EXPECT_EQ(Open([&] { Button("BitBtn1")->click(); }), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Sounds(table.TakeEvents()), Strings{"Stop waveClap"});

    EXPECT_EQ(QDir(desktop.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Tazkova.desktop")});
    QFile entry(desktop.filePath(QStringLiteral("Tazkova.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Tazkova\n")));
    // The test program's path has no blanks, so it stands unquoted.
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + QCoreApplication::applicationFilePath() +
                              QStringLiteral("\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nPath=")));  // no working folder asked for
}

TEST_F(HelpDialogTest, AShortcutThatCannotBeMadeIsReportedAndNothingIsWritten) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString missing = home.filePath(QStringLiteral("Desktop"));
    dialog.SetDesktopFolder(missing);
    QString boxText;
    Open([&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no message box told of the failure";
            boxText = box->text();
            box->accept();
        });
        Button("BitBtn1")->click();
    });
    EXPECT_TRUE(boxText.contains(missing)) << boxText.toStdString();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(QDir(home.path()).isEmpty()) << "something was written beside the desktop";
}
