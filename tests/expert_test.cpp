// The expert level: its model of a hand lists, chooses, deals and scores exactly as the game
// does, it never looks at what its seat cannot see, and the same seed makes the same plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "expert/expert_player.h"
#include "expert/model.h"
#include "tests/fixture.h"

namespace tazkova::testing {

using namespace tazkova::game;
namespace ex = tazkova::expert;
namespace {

/// The whole table as the model holds it, both hands and the deck's order included.
ex::Position FullPosition(const Game& g) {
    ex::Position pos;
    for (const auto& [pile, s] :
         {std::pair{&g.State().MePile, ex::kComputer}, {&g.State().YouPile, ex::kHuman}}) {
        pos.handCount[s] = static_cast<std::uint8_t>(pile->Count);
        for (int i = 0; i < pile->Count; ++i)
            pos.hand[s][i] = static_cast<std::uint8_t>(pile->Cards[i + 1]);
    }
    pos.floorCount = g.State().FloorPile.Count;
    for (int f = 0; f < pos.floorCount; ++f)
        pos.floor[f] = static_cast<std::uint8_t>(g.State().FloorPile.Cards[f + 1]);
    std::vector<std::uint8_t> deck;
    for (int i = g.State().DeckPos; i <= kDeckSize; ++i)
        deck.push_back(static_cast<std::uint8_t>(g.State().Deck[i]));
    pos.SetDeck(deck.data(), static_cast<int>(deck.size()));
    const ex::Knowledge k = g.KnowledgeOf(true);
    pos.side = {k.own, k.other};
    pos.declined = {k.ownDeclined, k.otherDeclined};
    pos.playCount = g.State().PlayCount;
    pos.starter = g.State().ComputerStarts ? ex::kComputer : ex::kHuman;
    pos.rules = {g.State().GameType, g.State().TargetScore, g.State().DinariRule,
                 g.State().ReverseGame};
    return pos;
}

using PlayKey = std::pair<int, ex::CardSet>;

std::vector<PlayKey> EnginePlays(const SeatView& seat, const SeatPlays& list) {
    std::vector<PlayKey> out;
    for (int p = 0; p < list.count; ++p) {
        ex::CardSet taken = 0;
        for (int i = 0; i < list.plays[p].pickedCount; ++i)
            taken |= ex::Bit(list.plays[p].picked[i]);
        out.emplace_back(seat.hand->Cards[list.plays[p].handIndex], taken);
    }
    return out;
}

std::vector<PlayKey> ModelPlays(const ex::PlayList& list) {
    std::vector<PlayKey> out;
    for (int p = 0; p < list.count; ++p) out.emplace_back(list.plays[p].card, list.plays[p].picked);
    return out;
}

/// A side's points in the hand the score sheet shows: with its sweeps when they counted.
int SheetGain(const ResultsSheet& sheet, bool computer) {
    return (computer ? sheet.scores.computer : sheet.scores.human).HandGain();
}

/// The human seat's play at `level` made by a player's clicks.
void HumanTurn(Game& g, int level) {
    const auto hint = g.SuggestPlay(level);
    ASSERT_TRUE(hint.has_value());
    g.HumanPlay(hint->card - 1);
    if (g.State().Input == InputState::PickFloor) {
        for (const int card : hint->takes) g.HumanPlay(card - 1);
    }
}

TEST(ExpertModelTest, ListsChoosesDealsAndScoresAsTheGameDoes) {
    int positions = 0, hands = 0;
    for (int variant = 0; variant < 16; ++variant) {
        SilentTable table;
        Game g(table, table, table, table);
        g.Startup({SeedChoice::Kind::Advance, static_cast<std::uint32_t>(40 + variant)}, 0);
        StateEditor::Of(g).DelayTime = 0;
        StateEditor::Of(g).GameType = variant % 4;
        StateEditor::Of(g).TargetScore = std::array{21, 31, 41, 61}[variant % 4];
        StateEditor::Of(g).DinariRule = variant % 3 != 0;
        StateEditor::Of(g).ReverseGame = variant % 5 == 1;
        for (int game = 0; game < 4; ++game) {
            g.NewGame();
            std::optional<ex::Position> handStart;
            int hand = -1, match = -1;
            while (g.State().GameActive) {
                ex::Position pos = FullPosition(g);
                if (g.State().HandNumber != hand || g.State().MatchNumber != match) {
                    hand = g.State().HandNumber;
                    match = g.State().MatchNumber;
                    handStart = pos;
                }
                for (const int s : {ex::kComputer, ex::kHuman}) {
                    const SeatView seat = s == ex::kComputer ? g.ComputerSeat() : g.HumanSeat(4);
                    SeatPlays engine;
                    ListSeatPlays(seat, engine);
                    ex::PlayList model;
                    ex::ListPlays(pos, s, model);
                    ASSERT_EQ(ModelPlays(model), EnginePlays(seat, engine)) << "side " << s;
                    ASSERT_EQ(ex::ChooseLevelFour(pos, s, model),
                              BestSeatPlay(engine, g.State().ReverseGame));
                }
                ++positions;
                HumanTurn(g, 4);
                if (g.State().HandNumber == hand && g.State().MatchNumber == match &&
                    g.State().GameActive)
                    continue;
                // The hand is over: the model plays it again from its first human turn, both
                // sides by the level-four choice, and must reach the score sheet's points.
                ex::Position replay = *handStart;
                ex::PlayList list;
                while (replay.playCount < 36) {
                    if (replay.playCount % 6 == 0) ex::DealRound(replay);
                    const int s = replay.ToMove();
                    ex::ListPlays(replay, s, list);
                    ex::ApplyPlay(replay, list.plays[ex::ChooseLevelFour(replay, s, list)]);
                }
                const ex::HandGains gains = ex::ScoreHand(replay);
                EXPECT_EQ(gains.gain[ex::kComputer], SheetGain(g.State().Results, true));
                EXPECT_EQ(gains.gain[ex::kHuman], SheetGain(g.State().Results, false));
                ++hands;
            }
        }
    }
    EXPECT_GT(positions, 5000);
    EXPECT_GT(hands, 500);
}

TEST(ExpertSearchTest, NeverLooksAtTheOtherHandOrTheDeck) {
    SilentTable table;
    Game g(table, table, table, table);
    g.Startup({SeedChoice::Kind::Advance, 77}, 0);
    StateEditor::Of(g).DelayTime = 0;
    g.NewGame();
    std::mt19937 shuffle(5);
    int checked = 0;
    for (int turn = 0; turn < 400 && g.State().GameActive; ++turn) {
        // Both seats' choices, before and after unseen cards trade places between the other
        // side's hand and the deck.
        for (const bool computer : {true, false}) {
            Pile& other = computer ? StateEditor::Of(g).YouPile : StateEditor::Of(g).MePile;
            if (g.State().DeckPos > kDeckSize || other.Count == 0) continue;
            const ex::ExpertChoice before = ex::ChoosePlay(g.KnowledgeOf(computer));
            const GameState saved = g.State();
            for (int swaps = 0; swaps < 3; ++swaps) {
                const int i = 1 + static_cast<int>(shuffle() % other.Count);
                const int d = g.State().DeckPos +
                              static_cast<int>(shuffle() % (kDeckSize + 1 - g.State().DeckPos));
                const int held = other.Cards[i];
                other.Cards[i] = static_cast<std::uint8_t>(g.State().Deck[d]);
                StateEditor::Of(g).Deck[d] = held;
            }
            const ex::ExpertChoice after = ex::ChoosePlay(g.KnowledgeOf(computer));
            StateEditor::Of(g) = saved;
            ASSERT_EQ(before.card, after.card);
            ASSERT_EQ(before.takes, after.takes);
            ++checked;
        }
        HumanTurn(g, 4);
    }
    EXPECT_GT(checked, 300);
}

TEST(ExpertSearchTest, ReadsTheRoundsPlaysAsTheQuickPlayerMakesThem) {
    // Both sides play level four's choice: the hand each really holds explains the other's
    // plays this round exactly, while hands drawn at random from the unseen cards often do
    // not. The round's record is whole at every turn, also after a play taken back.
    SilentTable table;
    Game g(table, table, table, table);
    g.Startup({SeedChoice::Kind::Advance, 19}, 0);
    StateEditor::Of(g).DelayTime = 0;
    g.NewGame();
    std::mt19937 draw(3);
    int read = 0, refuted = 0;
    for (int turn = 0; turn < 1000; ++turn) {
        if (!g.State().GameActive) g.NewGame();
        for (const bool computer : {true, false}) {
            const ex::Knowledge k = g.KnowledgeOf(computer);
            ASSERT_EQ(k.round.playCount, k.playCount % 6);
            const Pile& other = computer ? g.State().YouPile : g.State().MePile;
            ex::CardSet held = 0;
            for (int i = 1; i <= other.Count; ++i) held |= ex::Bit(other.Cards[i]);
            ASSERT_EQ(ex::ChoiceShortfall(k, held), 0) << "play " << g.State().PlayCount;
            std::vector<int> unseen;
            for (int c = 1; c <= kDeckSize; ++c) {
                if ((k.seen & ex::Bit(c)) == 0) unseen.push_back(c);
            }
            std::shuffle(unseen.begin(), unseen.end(), draw);
            ex::CardSet guess = 0;
            for (int i = 0; i < other.Count && i < static_cast<int>(unseen.size()); ++i)
                guess |= ex::Bit(unseen[i]);
            read += k.round.plays[0].card != 0 ? 1 : 0;
            refuted += ex::ChoiceShortfall(k, guess) > 0 ? 1 : 0;
        }
        // A play taken back takes its place in the round's record back with it.
        const ex::RoundSoFar before = g.KnowledgeOf(false).round;
        HumanTurn(g, 4);
        if (turn % 5 == 0 && g.CanTakeBack()) {
            ASSERT_TRUE(g.TakeBack());
            ASSERT_EQ(g.KnowledgeOf(false).round, before);
            HumanTurn(g, 4);
        }
    }
    EXPECT_GT(read, 800);
    EXPECT_GT(refuted, read / 8);
}

TEST(ExpertSearchTest, TheSameSeedPlaysTheSameGameTwice) {
    auto play = [](std::uint32_t seed) {
        GameTable t(seed);
        t.game.SetExpertPlayer(&ex::StandardPlayer());
        StateEditor::Of(t.game).Level = kExpertLevel;
        StateEditor::Of(t.game).DelayTime = 0;
        t.game.NewGame();
        std::string log;
        for (int turn = 0; turn < 120 && t.game.State().GameActive; ++turn) {
            HumanTurn(t.game, 4);
            for (const TableEvent& e : t.table.TakeEvents()) log += e.text + "\n";
        }
        return log;
    };
    const std::string first = play(31);
    EXPECT_EQ(first, play(31));
    EXPECT_NE(first, play(32));
    EXPECT_NE(first.find("  I Play"), std::string::npos);
}

}  // namespace
}  // namespace tazkova::testing
