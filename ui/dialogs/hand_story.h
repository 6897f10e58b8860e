/// The hand's story ("سجل اليد"): every play of the hand under way, told in Arabic as it
/// happens (who played which card and what it took, the sweeps, the rounds dealt, the rest
/// gathered, the hand's score), in a window beside the table that the player opens from the
/// menu. A play taken back leaves it; the story of a hand stays until the next one starts.
#pragma once

#include <QString>
#include <vector>

#include "game/events.h"
#include "telling/arabic_plays.h"
#include "ui/style/game_dialog.h"

class QListWidget;

namespace tazkova::game {
class Game;
}

namespace tazkova::ui {

class HandStory : public GameDialog, public game::GameListener {
    Q_OBJECT
  public:
    HandStory(QWidget* parent, const game::Game& game);

    /// Opens the story beside the game (it stays open while the player plays).
    void Open();
    /// The hand's plays were taken back to `playCount` plays: what came after leaves.
    void TakenBackTo(int playCount);
    /// The entries as a screen reader reads them, in order.
    QStringList Entries() const;

    void HandStarted(const game::HandStart& start) override;
    void RoundDealt(int round) override;
    void PlayMade(const game::Play& play) override;
    void RestGathered(const game::Gather& gather) override;
    void HandScored(const game::ScoreSheet& sheet) override;

  private:
    void Add(const std::string& sentence);

    QListWidget* list_ = nullptr;
    telling::GameTeller teller_;
    int plays_ = 0;             // the hand's plays told so far
    std::vector<int> playsAt_;  // for each entry, the plays told before it
};

}  // namespace tazkova::ui
