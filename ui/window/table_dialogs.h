/// The dialogs the card table opens, each made at its first use (making them all at
/// start-up would delay the opening of the table), and the game's dialog port over them.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/ports.h"
#include "ui/window/table_menu.h"

class QWidget;

namespace tazkova::ui {

class AboutDialog;
class CardTableView;
class HelpDialog;
class MessageDialog;
class OptionsDialog;
class PauseLoop;
class ResultsDialog;
class ReviewDialog;
class RulesManual;
class StatisticsDialog;
class StatisticsKeeper;

class TableDialogs : public QObject, public game::GameDialogs {
    Q_OBJECT
  public:
    /// `game` is the window's game, made after its dialogs: it is asked for at the first use.
    TableDialogs(QWidget* window, const std::unique_ptr<game::Game>& game, CardTableView& view,
                 const PauseLoop& pauses, StatisticsKeeper& statistics,
                 const TableActions& actions);

    ResultsDialog* Results();
    OptionsDialog* Options();
    MessageDialog* Message();
    HelpDialog* Help();
    StatisticsDialog* StatisticsBox();
    AboutDialog* About();
    RulesManual* Manual();
    ReviewDialog* Review();

    // game::GameDialogs. While the window closes in the middle of a play, nothing opens (the
    // score sheet still keeps the last hand).
    void ShowResults(const game::ResultsSheet& sheet) override;
    void ShowMessageDialog(const std::string& text) override;
    void ShowErrorBox(const std::string& text) override;

  private:
    QWidget* window_;
    const std::unique_ptr<game::Game>& game_;
    CardTableView& view_;
    const PauseLoop& pauses_;

    // The dialogs of the game's own steps, then those of the menu's commands, with what
    // they show.
    ResultsDialog* results_ = nullptr;
    OptionsDialog* options_ = nullptr;
    MessageDialog* message_ = nullptr;
    StatisticsKeeper& statistics_;
    StatisticsDialog* statisticsBox_ = nullptr;
    const TableActions& actions_;
    HelpDialog* help_ = nullptr;
    AboutDialog* about_ = nullptr;
    RulesManual* manual_ = nullptr;
    ReviewDialog* review_ = nullptr;
};

}  // namespace tazkova::ui
