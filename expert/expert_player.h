/// The expert level at a table: the search, answering the game's `ExpertPlayer` port for the
/// computer's plays at level 5 and for the hint. Whoever builds a table installs one.
#pragma once

#include "expert/search.h"
#include "game/ports.h"

namespace tazkova::expert {

class SearchPlayer final : public game::ExpertPlayer {
  public:
    explicit SearchPlayer(const SearchSettings& settings = {}) : settings_(settings) {}
    game::ChosenPlay Choose(const game::SeatKnowledge& knowledge) const override {
        return ChoosePlay(knowledge, settings_);
    }

  private:
    SearchSettings settings_;
};

/// The expert with its usual settings. It keeps nothing between choices, so any number of
/// tables, on any threads, may share it.
inline const game::ExpertPlayer& StandardPlayer() {
    static const SearchPlayer player;
    return player;
}

}  // namespace tazkova::expert
