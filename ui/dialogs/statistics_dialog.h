/// The statistics dialog: the player's games and matches per level and game type, with a
/// reset that asks first.
#pragma once

#include "ui/style/game_dialog.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tazkova::ui {

class Statistics;

class StatisticsDialog : public GameDialog {
    Q_OBJECT
  public:
    StatisticsDialog(Statistics& statistics, QWidget* parent = nullptr);

    /// Shows the statistics as they are now, modally.
    void ShowModal();
    /// Fills the table from the statistics.
    void Fill();
    /// Forgets the statistics when the player confirms (`ask` false: without asking).
    void ResetStatistics(bool ask = true);

    QTreeWidget* Table() const { return table_; }
    QLabel* ProblemLabel() const { return problem_; }

  private:
    Statistics& statistics_;
    QTreeWidget* table_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace tazkova::ui
