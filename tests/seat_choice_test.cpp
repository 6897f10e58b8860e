// The seat's choice routine: the computer's seat chooses what the computer plays, and the
// human's seat sees only what the human can know.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace {

std::set<int> CardSet(const Pile& p) {
    return std::set<int>(p.Cards.begin() + 1, p.Cards.begin() + 1 + p.Count);
}

/// Plays whole games, the human's seat choosing by the routine at a level that changes
/// from play to play, and calls `look` at every human turn.
template <class Look>
void RandomGames(int level, bool reverse, unsigned seed, int games, Look&& look) {
    GameTable t(seed);
    StateEditor::Of(t.game).Level = level;
    StateEditor::Of(t.game).ReverseGame = reverse;
    StateEditor::Of(t.game).DelayTime = 0;
    for (int g = 0; g < games; ++g) {
        t.game.NewGame();
        for (int play = 0; t.game.State().GameActive && play < 5000; ++play) {
            look(t.game);
            const auto hint = t.game.SuggestPlay(play % 4 + 1);
            ASSERT_TRUE(hint.has_value());
            t.game.HumanPlay(hint->card - 1);
            if (t.game.State().Input == InputState::PickFloor) {
                for (const int card : hint->takes) t.game.HumanPlay(card - 1);
            }
            ASSERT_TRUE(!t.game.State().GameActive ||
                        t.game.State().Input == InputState::ChooseCard);
            t.table.TakeEvents();
        }
    }
}

TEST(SeatChoiceTest, TheComputersSeatChoosesWhatTheComputerPlays) {
    int positions = 0, captures = 0;
    for (int level = 1; level <= 4; ++level) {
        for (const bool reverse : {false, true}) {
            RandomGames(level, reverse, 100 + level, 1, [&](const Game& g) {
                if (g.State().MePile.Count == 0 || positions % 3 != 0) {
                    positions += g.State().MePile.Count > 0;
                    return;
                }
                ++positions;
                // The same table with the computer to move.
                RecordingTable table;
                Game probe(table, table, table, table);
                StateEditor::Of(probe) = g.State();
                const auto choice = ChooseSeatPlay(probe.ComputerSeat());
                ASSERT_TRUE(choice.has_value());
                const std::set<int> hand = CardSet(probe.State().MePile),
                                    floor = CardSet(probe.State().FloorPile);
                probe.ComputerTurn(StateEditor::Of(probe).MePile);
                std::set<int> played, taken;
                const std::set<int> kept = CardSet(probe.State().MePile);
                std::set_difference(hand.begin(), hand.end(), kept.begin(), kept.end(),
                                    std::inserter(played, played.end()));
                const std::set<int> after = CardSet(probe.State().FloorPile);
                std::set_difference(floor.begin(), floor.end(), after.begin(), after.end(),
                                    std::inserter(taken, taken.end()));
                EXPECT_EQ(played, std::set<int>{choice->card});
                EXPECT_EQ(taken, std::set<int>(choice->takes.begin(), choice->takes.end()));
                captures += !taken.empty();
            });
        }
    }
    EXPECT_GT(positions, 600);
    EXPECT_GT(captures, 100);
}

TEST(SeatChoiceTest, TheHumansSeatNeverLooksAtTheComputersHand) {
    int positions = 0, swapped = 0;
    RandomGames(4, false, 7, 2, [&](const Game& g) {
        ++positions;
        // What the human has seen: the four floor cards of the deal, its own cards, and the
        // cards the computer played.
        const int dealt = 3 * (g.State().RoundNo - 1);
        int seen = 0;
        for (int r = 1; r <= 10; ++r) seen += g.State().HumanSeenRanks[r];
        EXPECT_EQ(seen, 4 + dealt + dealt - g.State().MePile.Count);

        // Another table the human cannot tell apart: the computer holds undealt cards, and
        // its memory and the generator differ.
        RecordingTable table;
        Game other(table, table, table, table);
        GameState& o = StateEditor::Of(other);
        o = g.State();
        for (int k = 1; k <= o.MePile.Count && o.DeckPos + k - 1 <= kDeckSize; ++k) {
            const int held = o.MePile.Cards[k];
            o.MePile.Cards[k] = static_cast<std::uint8_t>(o.Deck[o.DeckPos + k - 1]);
            o.Deck[o.DeckPos + k - 1] = held;
            --o.SeenRanks[CardRank(o.Deck[o.DeckPos + k - 1])];
            ++o.SeenRanks[CardRank(o.MePile.Cards[k])];
            ++swapped;
        }
        o.DeclinedSweep.fill(0);
        for (int r = 1; r <= 10; r += 2) o.DeclinedSweep[r] = 1;
        o.Rng.SetState(g.State().Rng.State() ^ 0x5a5a5a5au);
        EXPECT_EQ(other.SuggestPlay(), g.SuggestPlay());
        EXPECT_EQ(other.SuggestPlay(2), g.SuggestPlay(2));
    });
    EXPECT_GT(positions, 300);
    EXPECT_GT(swapped, 300);
}

}  // namespace
}  // namespace tazkova::testing
