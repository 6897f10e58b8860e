#include "ui/table_dialogs.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

#include "ui/about_dialog.h"
#include "ui/help_dialog.h"
#include "ui/message_dialog.h"
#include "ui/options_dialog.h"
#include "ui/pause_loop.h"
#include "ui/results_dialog.h"
#include "ui/rules_manual.h"
#include "ui/statistics_dialog.h"
#include "ui/statistics_keeper.h"
#include "ui/table_view.h"
#include "ui/ui_texts.h"
#include "ui/utf8.h"

namespace tazkova::ui {

TableDialogs::TableDialogs(QWidget* window, const std::unique_ptr<game::Game>& game,
                           CardTableView& view, const PauseLoop& pauses,
                           StatisticsKeeper& statistics, const TableActions& actions)
    : window_(window),
      game_(game),
      view_(view),
      pauses_(pauses),
      statistics_(statistics),
      actions_(actions) {}

ResultsDialog* TableDialogs::Results() {
    if (!results_) results_ = new ResultsDialog(window_);
    return results_;
}

OptionsDialog* TableDialogs::Options() {
    if (!options_) options_ = new OptionsDialog(window_);
    return options_;
}

MessageDialog* TableDialogs::Message() {
    if (!message_) message_ = new MessageDialog(window_);
    return message_;
}

HelpDialog* TableDialogs::Help() {
    if (!help_) {
        help_ = new HelpDialog(*game_, window_);
        // Every key of the table, as the menu gives them, and the keys of the cards.
        std::vector<std::pair<QString, QString>> keys;
        const TableActions& a = actions_;
        for (const QAction* action :
             {a.newGame, a.options, a.results, a.hint, a.takeBack, a.statistics, a.zoomIn,
              a.zoomOut, a.sound, a.faster, a.slower, a.manual, a.help, a.quit}) {
            keys.emplace_back(action->text(),
                              action->shortcut().toString(QKeySequence::NativeText));
        }
        keys.emplace_back(Utf8(kKeyMenu), QStringLiteral("F10"));
        keys.emplace_back(Utf8(kKeyArrows), QStringLiteral("← → ↑ ↓"));
        keys.emplace_back(Utf8(kKeyTab), QStringLiteral("Tab"));
        keys.emplace_back(Utf8(kKeyPlay), QStringLiteral("Enter / Space"));
        help_->SetKeys(keys);
    }
    return help_;
}

StatisticsDialog* TableDialogs::StatisticsBox() {
    if (!statisticsBox_) statisticsBox_ = new StatisticsDialog(statistics_.Stats(), window_);
    return statisticsBox_;
}

AboutDialog* TableDialogs::About() {
    if (!about_) about_ = new AboutDialog(window_);
    return about_;
}

RulesManual* TableDialogs::Manual() {
    if (!manual_) {
        manual_ = new RulesManual(window_);
        manual_->SetKeys(TableKeys(actions_));
    }
    return manual_;
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
    QMessageBox::critical(window_, window_->windowTitle(), Utf8(text));
}

}  // namespace tazkova::ui
