/// The review of the last hand played out, made off the window's thread as soon as the hand
/// is scored, so that it is ready when the player asks for it: the window keeps turning
/// while it runs, and a review that a newer hand or the window's closing made useless is
/// stopped between two plays and never shown.
#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "coach/judge.h"
#include "game/events.h"
#include "game/game.h"

namespace tazkova::ui {

class HandReview : public QObject, public game::GameListener {
    Q_OBJECT
  public:
    HandReview(QObject* parent, const game::Game& game);
    ~HandReview() override;

    /// The hand reviewed and its judgements, once made.
    struct Result {
        std::vector<game::HumanPlayRecord> plays;
        std::vector<coach::Judgement> review;
    };
    const std::optional<Result>& Done() const { return done_; }
    /// A review is being made.
    bool Running() const { return running_; }
    /// A hand has been played out: there is something to review.
    bool HaveHand() const { return !game_.FinishedHandPlays().empty(); }
    /// Starts the review of the last hand played out, unless it is done or under way.
    void Start();

    // game::GameListener: a scored hand is reviewed at once.
    void HandScored(const game::ScoreSheet& sheet) override;

  signals:
    /// The review asked for last is ready (`Done()`).
    void Ready();

  private:
    const game::Game& game_;
    std::optional<Result> done_;
    bool running_ = false;
    std::uint64_t asked_ = 0;  // counts the reviews started: only the latest is kept
    std::jthread worker_;
};

}  // namespace tazkova::ui
