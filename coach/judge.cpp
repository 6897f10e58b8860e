// The judge: the expert's weighing of every play of a position, read for the play made.
#include "coach/judge.h"

#include <algorithm>

namespace tazkova::coach {

expert::SearchSettings JudgeSettings() {
    expert::SearchSettings settings;
    settings.worlds = kJudgeWorlds;
    return settings;
}

std::optional<Judgement> Judge(const game::SeatKnowledge& before, const game::ChosenPlay& made,
                               const expert::SearchSettings& settings) {
    const std::vector<expert::WeighedPlay> weighed = expert::WeighPlays(before, settings);
    const auto madeAt = std::find_if(weighed.begin(), weighed.end(),
                                     [&](const expert::WeighedPlay& w) { return w.play == made; });
    if (madeAt == weighed.end()) return std::nullopt;
    // The first of the best, as the expert chooses.
    const auto best =
        std::max_element(weighed.begin(), weighed.end(),
                         [](const expert::WeighedPlay& a, const expert::WeighedPlay& b) {
                             return a.worth < b.worth;
                         });
    Judgement out;
    out.play = made;
    out.worth = madeAt->worth;
    // Equal worths name the play made: it was as good as any.
    out.best = best->worth > madeAt->worth ? best->play : made;
    out.bestWorth = std::max(best->worth, madeAt->worth);
    return out;
}

std::vector<Judgement> ReviewHand(const std::vector<game::HumanPlayRecord>& plays,
                                  const expert::SearchSettings& settings, std::stop_token stop) {
    std::vector<Judgement> review;
    for (const game::HumanPlayRecord& record : plays) {
        if (stop.stop_requested()) break;
        if (const std::optional<Judgement> j = Judge(record.before, record.play, settings))
            review.push_back(*j);
    }
    return review;
}

HandSummary Summarize(const std::vector<Judgement>& review) {
    HandSummary out;
    double worstLoss = kMarkedLoss;
    for (int i = 0; i < static_cast<int>(review.size()); ++i) {
        const double loss = review[i].Loss();
        out.givenAway += loss;
        if (loss >= worstLoss) {
            worstLoss = loss;
            out.worst = i;
        }
    }
    return out;
}

std::optional<HintReason> ReasonFor(const game::SeatKnowledge& knowledge,
                                    const expert::SearchSettings& settings) {
    std::vector<expert::WeighedPlay> weighed = expert::WeighPlays(knowledge, settings);
    if (weighed.empty()) return std::nullopt;
    // The first of the best leads, as the expert chooses; the rest by worth.
    std::stable_sort(weighed.begin(), weighed.end(),
                     [](const expert::WeighedPlay& a, const expert::WeighedPlay& b) {
                         return a.worth > b.worth;
                     });
    HintReason out{weighed[0], std::nullopt};
    if (weighed.size() > 1) out.next = weighed[1];
    return out;
}

}  // namespace tazkova::coach
