/// The hand review: each of the player's plays of the last hand played out with its worth,
/// the better play named and shown where it was worth half a point more, and a summary,
/// marked as an estimate.
#pragma once

#include <vector>

#include "coach/judge.h"
#include "game/seat_knowledge.h"
#include "ui/style/game_dialog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tazkova::ui {

class ReviewDialog : public GameDialog {
    Q_OBJECT
  public:
    explicit ReviewDialog(QWidget* parent = nullptr);

    /// Says the review is being made.
    void ShowWaiting();
    /// Says no hand has been played out yet.
    void ShowNoHand();
    /// Lists the judgements of `plays` (one each, in order).
    void ShowReview(const std::vector<game::HumanPlayRecord>& plays,
                    const std::vector<coach::Judgement>& review);

    QListWidget* Entries() const { return entries_; }
    QLabel* Summary() const { return summary_; }

  private:
    QLabel* summary_ = nullptr;
    QListWidget* entries_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace tazkova::ui
