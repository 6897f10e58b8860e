#include "ui/window/table_dialogs.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/coach_texts.h"
#include "ui/dialogs/help_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/results_dialog.h"
#include "ui/dialogs/review_dialog.h"
#include "ui/dialogs/rules_manual.h"
#include "ui/dialogs/statistics_dialog.h"
#include "ui/stats/statistics_keeper.h"
#include "ui/style/utf8.h"
#include "ui/table/pause_loop.h"
#include "ui/table/table_view.h"

namespace tazkova::ui {

TableDialogs::TableDialogs(QWidget* window, const std::unique_ptr<game::Game>& game,
                           CardTableView& view, const PauseLoop& pauses,
                           StatisticsKeeper& statistics, const TableActions& actions)
    : QObject(window),
      window_(window),
      game_(game),
      view_(view),
      pauses_(pauses),
      statistics_(statistics),
      actions_(actions) {
    setObjectName(QStringLiteral("TableDialogs"));
}

namespace {
/// The dialog, made at its first use by `make`.
template <class Dialog, class Make>
Dialog* MadeOnce(Dialog*& dialog, Make&& make) {
    if (!dialog) dialog = make();
    return dialog;
}
}  // namespace

ResultsDialog* TableDialogs::Results() {
    return MadeOnce(results_, [this] {
        auto* results = new ResultsDialog(window_);
        // Below the sheet, the review of the hand it scores.
        results->setFixedSize(results->width(), results->height() + 34);
        auto* review = new QPushButton(QString::fromUtf8(kReviewButton), results);
        review->setObjectName(QStringLiteral("ReviewButton"));
        review->setGeometry(12, results->height() - 31, results->width() - 24, 26);
        review->setAutoDefault(false);
        connect(review, &QPushButton::clicked, actions_.review, &QAction::trigger);
        return results;
    });
}

ReviewDialog* TableDialogs::Review() {
    return MadeOnce(review_, [this] { return new ReviewDialog(window_); });
}

OptionsDialog* TableDialogs::Options() {
    return MadeOnce(options_, [this] { return new OptionsDialog(window_); });
}

MessageDialog* TableDialogs::Message() {
    return MadeOnce(message_, [this] { return new MessageDialog(window_); });
}

HelpDialog* TableDialogs::Help() {
    return MadeOnce(help_, [this] {
        // The keys of the table and of the cards, as the menu gives them; its memo holds one
        // line fewer than the manual's list, which alone tells of full screen.
        auto* help = new HelpDialog(*game_, window_);
        std::vector<std::pair<QString, QString>> keys = TableKeys(actions_);
        std::erase_if(keys,
                      [this](const auto& key) { return key.first == actions_.fullScreen->text(); });
        help->SetKeys(keys);
        return help;
    });
}

StatisticsDialog* TableDialogs::StatisticsBox() {
    return MadeOnce(statisticsBox_,
                    [this] { return new StatisticsDialog(statistics_.Stats(), window_); });
}

AboutDialog* TableDialogs::About() {
    return MadeOnce(about_, [this] { return new AboutDialog(window_); });
}

RulesManual* TableDialogs::Manual() {
    return MadeOnce(manual_, [this] {
        auto* manual = new RulesManual(window_);
        manual->SetKeys(TableKeys(actions_));
        return manual;
    });
}

void TableDialogs::ShowResults(const game::ResultsSheet& sheet) {
    if (pauses_.Quitting()) {
        Results()->Fill(sheet);
        return;
    }
    view_.SetDefaultCursor();
    Results()->ShowSheet(sheet);
}

void TableDialogs::ShowMessageDialog(const std::string& text) {
    if (pauses_.Quitting()) return;
    Message()->ShowText(Utf8(text));
}

void TableDialogs::ShowErrorBox(const std::string& text) {
    if (pauses_.Quitting()) return;
    ShowNote(window_, QMessageBox::Critical, window_->windowTitle(), Utf8(text));
}

}  // namespace tazkova::ui
