/// The review of the human's plays: each judged by the expert's search from what the human's
/// seat knew when it was made (never the computer's hand nor the deck's order), worth points
/// a hand, beside the best play and its worth. An estimate, the same every time for the same
/// position.
#pragma once

#include <optional>
#include <stop_token>
#include <vector>

#include "expert/search.h"
#include "game/seat_knowledge.h"

namespace tazkova::coach {

/// A play is marked as a mistake when the best play was worth this many points a hand more.
inline constexpr double kMarkedLoss = 0.5;

/// The worlds the judge weighs a position over.
inline constexpr int kJudgeWorlds = 500;

/// The judge's search: the expert's, over enough worlds that two plays of equal worth rarely
/// look half a point apart.
expert::SearchSettings JudgeSettings();

/// One play judged.
struct Judgement {
    game::ChosenPlay play;  // the play made
    double worth = 0;       // its worth, points a hand
    game::ChosenPlay best;  // the best play from the same position (the play made, at best)
    double bestWorth = 0;
    double Loss() const { return bestWorth - worth; }
    bool Marked() const { return Loss() >= kMarkedLoss; }
};

/// The judgement of `made` from `before`; nothing when `made` is not a play the seat could
/// make there.
std::optional<Judgement> Judge(const game::SeatKnowledge& before, const game::ChosenPlay& made,
                               const expert::SearchSettings& settings = JudgeSettings());

/// The judgements of a hand's plays, in order. A stop request ends it between two plays,
/// with the plays judged so far; a play that cannot be judged is left out.
std::vector<Judgement> ReviewHand(const std::vector<game::HumanPlayRecord>& plays,
                                  const expert::SearchSettings& settings = JudgeSettings(),
                                  std::stop_token stop = {});

/// A hand's review in short: the points given away by the choices made (every play's loss),
/// and the play that gave away the most, when one was marked.
struct HandSummary {
    double givenAway = 0;
    std::optional<int> worst;  // an index into the review
};
HandSummary Summarize(const std::vector<Judgement>& review);

/// The hint's reasons: the expert's play and, when there is another, the next best, weighed
/// as the expert's hint weighs them (its best is the play the hint names).
struct HintReason {
    expert::WeighedPlay best;
    std::optional<expert::WeighedPlay> next;
};
std::optional<HintReason> ReasonFor(const game::SeatKnowledge& knowledge,
                                    const expert::SearchSettings& settings = {});

}  // namespace tazkova::coach
