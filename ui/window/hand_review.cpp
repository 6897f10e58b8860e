#include "ui/window/hand_review.h"

#include <QMetaObject>
#include <utility>

namespace tazkova::ui {

HandReview::HandReview(QObject* parent, const game::Game& game) : QObject(parent), game_(game) {
    setObjectName(QStringLiteral("HandReview"));
}

// The worker is asked to stop and joined: it stops after the play it is judging, a few tens
// of milliseconds at most.
HandReview::~HandReview() = default;

void HandReview::HandScored(const game::ScoreSheet&) {
    // A review of an older hand under way is stopped (and waited for, one play at most).
    worker_ = std::jthread();
    running_ = false;
    done_.reset();
    Start();
}

void HandReview::Start() {
    if (done_ || running_ || !HaveHand()) return;
    running_ = true;
    const std::uint64_t ticket = ++asked_;
    // The worker judges its own copy of the hand's record: the game goes on meanwhile.
    std::vector<game::HumanPlayRecord> plays = game_.FinishedHandPlays();
    worker_ = std::jthread([this, ticket, plays = std::move(plays)](std::stop_token stop) {
        Result result{plays, coach::ReviewHand(plays, coach::JudgeSettings(), stop)};
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            this,
            [this, ticket, result = std::move(result)]() mutable {
                if (ticket != asked_) return;
                running_ = false;
                done_ = std::move(result);
                emit Ready();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tazkova::ui
