// The table and its dialogs on the screen they open on, whatever the stored zoom: run once
// for each screen size (the offscreen platform's screen set by the test's configuration).
#include "ui/table/window_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "game/recording.h"
#include "store/settings_file.h"
#include "tests/ui/window_parts.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/results_dialog.h"
#include "ui/dialogs/rules_manual.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/main_window.h"
#include "ui/style/dialog_fit.h"

using namespace tazkova::game;
using namespace tazkova::ui;
using namespace tazkova::testing;

namespace {

std::unique_ptr<MainWindow> MakeTable() {
    auto window = std::make_unique<MainWindow>(SeedChoice{SeedChoice::Kind::Advance, 5},
                                               std::make_unique<RecordingTable>());
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

TEST(WindowFit, TheTableAndEveryDialogLieOnTheScreenAtEveryStoredZoom) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const int zoom : TableLayout::kZooms) {
        SCOPED_TRACE(zoom);
        ChooseZoom(*MakeTable(), zoom);  // stored, as the menu stores it
        auto window = MakeTable();       // the next start, with that zoom
        EXPECT_EQ(ZoomOf(*window), zoom);
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        const qreal s = ViewOf(*window).Layout().ScaleFactor();
        const QSize wanted = TableLayout::kDesignSize * zoom / 100;
        // The size asked for when it fits, else smaller, never larger.
        EXPECT_LE(window->width(), std::max(wanted.width(), TableLayout::kDesignSize.width() / 2));
        EXPECT_GE(s, std::min(zoom / 100.0, 0.5) - 0.3);
        // The stored zoom is kept as it was, also when the screen could not show it.
        const auto stored = tazkova::store::ReadSetting(
            QStringList{tazkova::store::GameSettingsFile()}, QStringLiteral("Table/Zoom"));
        EXPECT_EQ(stored, QString::number(zoom));
        // Every dialog of the game at the table's scale (as far as the screen allows), over
        // the game, on the screen.
        const std::vector<QDialog*> dialogs = {
            DialogsOf(*window).Results(),       DialogsOf(*window).Options(),
            DialogsOf(*window).Message(),       DialogsOf(*window).Help(),
            DialogsOf(*window).StatisticsBox(), DialogsOf(*window).About(),
            DialogsOf(*window).Manual()};
        for (QDialog* dialog : dialogs) {
            SCOPED_TRACE(dialog->objectName().toStdString());
            dialog->show();
            QApplication::processEvents();
            EXPECT_TRUE(screen.contains(dialog->frameGeometry()));
            const QPoint off = dialog->frameGeometry().center() - window->frameGeometry().center();
            const bool clamped = dialog->frameGeometry().left() == screen.left() ||
                                 dialog->frameGeometry().top() == screen.top() ||
                                 dialog->frameGeometry().right() == screen.right() ||
                                 dialog->frameGeometry().bottom() == screen.bottom();
            EXPECT_TRUE(off.manhattanLength() <= 6 || clamped) << off.x() << "," << off.y();
            dialog->hide();
        }
        // Twice the table, twice the dialog, where the screen has the room.
        if (s == 2.0) {
            EXPECT_EQ(DialogsOf(*window).About()->size(), QSize(720, 380));
        }
        ChooseZoom(*window, 100);
    }
}

TEST(WindowFit, AResizedOrMaximisedWindowShowsTheWholeTableScaled) {
    auto window = MakeTable();
    ChooseZoom(*window, 100);
    for (const QSize size : {QSize(800, 500), QSize(520, 700), QSize(1900, 1000)}) {
        window->resize(size);
        QApplication::processEvents();
        const qreal s = ViewOf(*window).Layout().ScaleFactor();
        QRect table;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible()) table = table.united(child->geometry());
        EXPECT_TRUE(window->rect().contains(table)) << size.width() << "x" << size.height();
        // The larger scale that would still fit is not left unused (5 per cent steps).
        EXPECT_GT((s + 0.05) * 499,
                  std::min<qreal>(window->width(), window->height() * 499 / 434.0));
    }
    window->showMaximized();
    QApplication::processEvents();
    EXPECT_GE(ViewOf(*window).Layout().ScaleFactor(), 1.0);
}

}  // namespace
