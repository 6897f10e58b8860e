// The score sheet as the player reads it: the memo's whole text on centred lines, the faces
// in their colours, the row labels inside their bevels, the sheet in the middle of the screen.
#include "ui/dialogs/results_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include "game/texts.h"

using namespace tazkova::game;
using namespace tazkova::ui;

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ResultsSheet SheetSaying(std::string_view status) {
    ResultsSheet sheet;
    sheet.status = std::string(status);
    sheet.SetFaces(Face::ComputerTriumphant, Face::HumanSmiling);
    return sheet;
}

/// Left and right edges of the ink in an image of a white memo, or {-1, -1}.
std::pair<int, int> InkColumns(const QImage& image) {
    int left = -1, right = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 3; y < image.height() - 3; ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (left < 0) left = x;
                right = x;
                break;
            }
        }
    }
    return {left, right};
}

TEST(ResultsDialogTest, TheMemoShowsEveryTextWholeOnCentredLines) {
    ResultsDialog dialog;
    QTextEdit* memo = dialog.StatusMemo();
    // Every text the memo is given; the match message comes with its match number.
    for (const std::string_view text :
         {texts::kMe8, texts::kMe9, texts::kMe10, texts::kYou8, texts::kYou9, texts::kYou10,
          texts::kVerdictMe, texts::kVerdictDraw, texts::kVerdictYou, texts::kBeatenYou,
          texts::kYouHaveWon, texts::kBeatenYouShort}) {
        dialog.Fill(SheetSaying(text));
        const QSizeF used = memo->document()->documentLayout()->documentSize();
        EXPECT_LE(used.height(), memo->viewport()->height()) << text;
        EXPECT_LE(used.width(), memo->viewport()->width()) << text;
        EXPECT_EQ(memo->toPlainText(), Utf8(text));
    }
    dialog.Fill(SheetSaying(std::string(texts::kMeWinsMatch) + " 3"));
    EXPECT_LE(memo->document()->documentLayout()->documentSize().height(),
              memo->viewport()->height());

    // A short verdict stands in the middle of the memo, not at one side.
    dialog.Fill(SheetSaying(texts::kVerdictDraw));
    const QImage image = memo->viewport()->grab().toImage();
    const auto [left, right] = InkColumns(image);
    ASSERT_GE(left, 0) << "the verdict is drawn";
    EXPECT_NEAR(left, image.width() - 1 - right, 3);
}

TEST(ResultsDialogTest, FacesKeepTheirColoursOnTheDisabledPanel) {
    ResultsDialog dialog;
    dialog.Fill(SheetSaying(texts::kVerdictYou));
    dialog.show();
    for (const char* name : {"Smily2", "MAC3"}) {
        auto* face = dialog.findChild<QLabel*>(QLatin1String(name));
        ASSERT_TRUE(face && face->isVisible()) << name;
        const QImage image = face->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                coloured += QColor(image.pixel(x, y)).hsvSaturationF() > 0.5;
        EXPECT_GT(coloured, 100) << name << " is drawn greyed";
    }
}

TEST(ResultsDialogTest, RowLabelsStayInsideTheirBevels) {
    ResultsDialog dialog;
    for (int row = 1; row <= 9; ++row) {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label%1").arg(row));
        ASSERT_TRUE(label) << row;
        const QRect place = label->geometry();
        EXPECT_GE(place.left(), 121) << "clear of the human's box, row " << row;
        EXPECT_LE(place.right(), 199) << "inside the bevel, row " << row;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), place.width())
            << "the whole label is seen, row " << row;
    }
}

TEST(ResultsDialogTest, OpensInTheMiddleOfTheScreen) {
    ResultsDialog dialog;
    QRect where;
    QTimer::singleShot(0, &dialog, [&] {
        where = dialog.frameGeometry();
        dialog.OkButton()->click();
    });
    dialog.ShowSheet(SheetSaying(texts::kVerdictMe));
    const QPoint middle = dialog.screen()->availableGeometry().center();
    EXPECT_LE((where.center() - middle).manhattanLength(), 2);
}

}  // namespace
