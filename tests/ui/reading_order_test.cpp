// Texts where Arabic meets digits, Latin letters, colons, dots and key names, laid out as the
// widgets lay them out: each reads in its order from the right. And what a screen reader is
// given instead of the drawn texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextLayout>

#include "game/texts.h"
#include "telling/arabic_plays.h"
#include "tests/ui/table_setup.h"
#include "ui/access/spoken_texts.h"
#include "ui/dialogs/desktop_shortcut.h"
#include "ui/dialogs/results_dialog.h"
#include "ui/style/reading.h"
#include "ui/style/ui_texts.h"
#include "ui/style/utf8.h"

namespace {

using namespace tazkova::ui;
using namespace tazkova::testing;
namespace texts = tazkova::game::texts;

/// Where each character of `text` is drawn, laid out on one line in the direction a plain
/// label (and a tooltip, and a window title) takes from the text's first strong letter.
class DrawnLine {
  public:
    DrawnLine(const QString& text, const QFont& font) : text_(text), layout_(text, font) {
        QTextOption option;
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        layout_.setTextOption(option);
        layout_.beginLayout();
        QTextLine line = layout_.createLine();
        line.setLineWidth(2000);
        layout_.endLayout();
    }
    /// The middle of the glyph drawn for the character at `index`, from the left.
    double X(qsizetype index) const {
        const QList<QGlyphRun> runs = layout_.lineAt(0).glyphRuns(int(index), 1);
        EXPECT_FALSE(runs.isEmpty()) << index << " in " << text_.toStdString();
        return runs.isEmpty() ? 0 : runs.front().boundingRect().center().x();
    }
    /// The middle of the first appearance of `part`.
    double X(const QString& part) const {
        const qsizetype at = text_.indexOf(part);
        EXPECT_GE(at, 0) << part.toStdString() << " in " << text_.toStdString();
        return at < 0 ? 0 : (X(at) + X(at + part.size() - 1)) / 2;
    }

  private:
    QString text_;
    QTextLayout layout_;
};

QString Shown(std::string_view text) {
    return ShownText(Utf8(std::string(text)));
}

TEST(ReadingOrder, LabelsWrittenForALeftToRightLineKeepTheirEndsOnTheLeft) {
    const QFont font = QApplication::font();
    // The counters: "اللعبة" first from the right, then its colon, then the numbers.
    auto window = MakeActiveWindow();
    PressNewGame(*window);
    const auto* counters = window->findChild<QLabel*>(QStringLiteral("Counters"));
    const DrawnLine line(counters->text(), counters->font());
    EXPECT_LT(line.X(QStringLiteral(":")), line.X(QStringLiteral("اللعبة")));
    EXPECT_LT(line.X(QStringLiteral("1-")), line.X(QStringLiteral(":")));
    EXPECT_LT(line.X(QStringLiteral("1-")), line.X(QStringLiteral("-1")));

    // The shuffle's dots follow its word, on the left.
    const DrawnLine moment(Shown(texts::kMomentText), font);
    EXPECT_LT(moment.X(QStringLiteral("....")), moment.X(QStringLiteral("لـحـظــة")));

    // Every row of the score sheet: its colon at the end of the phrase, on the left, the same
    // way for the Latin row as for the Arabic ones.
    ResultsDialog sheet;
    for (int row = 1; row <= 9; ++row) {
        const auto* label = sheet.findChild<QLabel*>(QStringLiteral("Label%1").arg(row));
        const DrawnLine drawn(label->text(), label->font());
        const QString words = label->text().mid(label->text().indexOf(u':') + 2);
        EXPECT_LT(drawn.X(QStringLiteral(":")), drawn.X(words)) << row;
        EXPECT_FALSE(label->text().isRightToLeft()) << "every row lines up at the right, " << row;
    }

    // The sheet's caption: the hand "2\3" in its order, then its label.
    const DrawnLine caption(Shown(" 2\\3") + Shown(texts::kResultCaptionTail), font);
    EXPECT_LT(caption.X(QStringLiteral("2")), caption.X(QStringLiteral("3")));
    EXPECT_LT(caption.X(QStringLiteral("3")), caption.X(QStringLiteral("النتيجـة")));
}

TEST(ReadingOrder, KeysPathsAndMessagesInsideArabicSentencesKeepTheirOrder) {
    const QFont font = QApplication::font();
    // A tooltip's key lies after its caption, on the left, and reads "(Ctrl+,)".
    auto window = MakeActiveWindow();
    const QString tip = window->findChild<QPushButton*>(QStringLiteral("cmdOptions"))->toolTip();
    ASSERT_TRUE(tip.isRightToLeft()) << tip.toStdString();
    const DrawnLine tooltip(tip, font);
    EXPECT_LT(tooltip.X(QStringLiteral("Ctrl")), tooltip.X(QStringLiteral(",")));
    EXPECT_LT(tooltip.X(QStringLiteral(",")), tooltip.X(Utf8(kMenuOptions)));
    const QString speed = window->findChild<QScrollBar*>(QStringLiteral("DelayScroll"))->toolTip();
    const DrawnLine speedTip(speed, font);
    EXPECT_LT(speedTip.X(QStringLiteral("Up")), speedTip.X(QStringLiteral("Down")));

    // A desktop folder that is missing: its path reads from its leading slash.
    const QString missing = QStringLiteral("/nowhere/Desktop");
    const ShortcutResult result =
        CreateShortcut(QStringLiteral("Tazkova"), false, missing, QStringLiteral("/bin/true"), {});
    ASSERT_FALSE(result.ok);
    const DrawnLine note(result.reason, font);
    EXPECT_LT(note.X(QStringLiteral("/nowhere")), note.X(QStringLiteral("Desktop")));
    EXPECT_LT(note.X(QStringLiteral("Desktop")), note.X(QStringLiteral("مجلد")));
}

TEST(ReadingOrder, AScreenReaderHearsWordsNotDrawing) {
    EXPECT_EQ(SpokenText(Utf8(kFinishCaption)), QStringLiteral("إنهاء"));
    EXPECT_EQ(SpokenText(Utf8(kResultCaption)), QStringLiteral("النتيجة"));
    EXPECT_EQ(SpokenText(Utf8(kLabel5)), QStringLiteral("الكنسات"));
    EXPECT_EQ(SpokenText(Utf8(kReverseCaption)), QStringLiteral("تازكوفا عكسية"));
    EXPECT_EQ(SpokenText(Shown(texts::kMomentText)), QStringLiteral("لحظة"));
    EXPECT_EQ(SpokenText(Utf8(std::string(texts::kGameOver) + std::string(texts::kBeatenYou))),
              QStringLiteral("انتهت اللعبة، لقد ربحتك"));
    EXPECT_EQ(SpokenText(Utf8(std::string(texts::kStartOfNewGame) + " : Tazkova الديناري ")),
              QStringLiteral("بداية لعبة جديدة، تازكوفا الديناري"));
    EXPECT_EQ(SpokenText(QStringLiteral("تتحصل علي نقطة")), QStringLiteral("تتحصل على نقطة"));
    EXPECT_EQ(SpokenText(WithKey(QStringLiteral("اختيارات"), QStringLiteral("Ctrl+,"))),
              QStringLiteral("اختيارات (Ctrl+,)"));
    // The dinari rule's announcements in whole sentences, nothing of the drawn-out letters.
    const QString me8 = SpokenMessage(Utf8(std::string(texts::kMe8)));
    EXPECT_EQ(me8, QStringLiteral("الحاسوب يجمع 8 أوراق ديناري: 10 نقاط له"));
    for (const QString& spoken : {me8, SpokenText(Utf8(std::string(texts::kYou9)))}) {
        EXPECT_FALSE(spoken.contains(QChar(0x0640))) << spoken.toStdString();
        EXPECT_FALSE(spoken.contains(QStringLiteral("بـ "))) << spoken.toStdString();
    }
}

}  // namespace

namespace {

// The status line with the plays told in Arabic: each play in its sentence, a long one made
// to fit with the whole of it in the tooltip, the English back exactly when the option is
// off, and a play taken back drawn again as it was told.
TEST(StatusLineTest, TellsThePlaysInArabicWhenAskedAndTheEnglishOtherwise) {
    using namespace tazkova::game;
    auto window = MakeActiveWindow();
    CardTableView& view = ViewOf(*window);
    const auto* status = window->findChild<QLabel*>(QStringLiteral("Msg"));
    Play play{Side::Human, 17, {}};
    for (const int card : {3, 24, 5}) play.taken.Add(card);
    play.sweep = play.clearedFloor = true;
    play.sweepPoints = 7;
    const QString whole = Utf8(tazkova::telling::TellPlay(play));

    view.PlayMade(play);
    view.SetMsg("You Play 7d and win 3c 4h 5c Tazkova!!");
    EXPECT_EQ(status->text(), QStringLiteral("You Play 7d and win 3c 4h 5c Tazkova!!"));
    EXPECT_EQ(status->accessibleName(), whole) << "a screen reader hears the Arabic anyway";

    view.SetArabicPlays(true);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("أنت تلعب سبعة ديناري وتأخذ")))
        << status->text().toStdString();
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()),
              status->contentsRect().width());
    EXPECT_EQ(status->toolTip(), whole);

    // A text that tells nothing of a play stays as the game wrote it, with its direction.
    view.SetMsg(std::string(texts::kMomentText));
    EXPECT_EQ(status->text(), QStringLiteral("لحظة، تُخلط الأوراق"));
    view.SetMsg("Tazkova 2000 - Qorvel");
    EXPECT_EQ(status->text(), QStringLiteral("Tazkova 2000 - Qorvel"));

    // The table drawn again from the game's state shows the play as it was told.
    TableView again = GameOf(*window).State().Table;
    again.msg = "You Play 7d and win 3c 4h 5c Tazkova!!";
    view.ShowTable(again);
    EXPECT_EQ(status->toolTip(), whole);
    view.SetArabicPlays(false);
    EXPECT_EQ(status->text(), QStringLiteral("You Play 7d and win 3c 4h 5c Tazkova!!"));
    EXPECT_EQ(status->toolTip(), QString());
}

}  // namespace
