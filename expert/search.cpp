// The sampled-worlds search: worlds dealt from what the seat has not seen and weighed by what
// the other side played, the rest of the round searched over them together, the rest of the
// hand estimated by quick games.
#include "expert/search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

#include "expert/model.h"
#include "game/random.h"

namespace tazkova::expert {

namespace {

using game::EndsRound;
using game::kPlaysPerHand;
using game::MixBits;
using game::PlaysIntoRound;

/// The expert's own generator (never the game's).
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        state_ += 0x9e3779b97f4a7c15ull;
        return MixBits(state_);
    }
    /// A uniform integer 0..n-1.
    int Below(int n) {
        return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

  private:
    std::uint64_t state_;
};

template <class T>
void ShuffleRange(T* first, int n, Generator& rng) {
    for (int i = n - 1; i > 0; --i) std::swap(first[i], first[rng.Below(i + 1)]);
}

struct Context {
    int me = kComputer;
    int rollouts = 4;
    int randomPercent = 0;
};

using Seeds = std::array<std::uint64_t, 16>;

double Outcome(const Position& pos, int me) {
    const HandGains gains = ScoreHand(pos);
    const double diff = gains.gain[me] - gains.gain[1 - me];
    return pos.rules.reverseGame ? -diff : diff;
}

/// The hand played to its end by the quick player, from a round's end, the deck re-dealt.
double Rollouts(const Position& start, const Context& ctx, const Seeds& seeds) {
    double sum = 0;
    PlayList list;
    for (int r = 0; r < ctx.rollouts; ++r) {
        Generator rng(seeds[r]);
        Position pos = start;
        ShuffleRange(pos.deck.data() + pos.deckPos, pos.deckEnd - pos.deckPos, rng);
        while (pos.playCount < kPlaysPerHand) {
            if (EndsRound(pos.playCount)) DealRound(pos);
            const int s = pos.ToMove();
            ListPlays(pos, s, list);
            if (list.count == 0) break;
            const int chosen = rng.Below(100) < ctx.randomPercent ? rng.Below(list.count)
                                                                  : ChooseLevelFour(pos, s, list);
            ApplyPlay(pos, list.plays[chosen]);
        }
        sum += Outcome(pos, ctx.me);
    }
    return sum / ctx.rollouts;
}

/// One sampled world as the search follows it, with the seeds of its quick games.
struct World {
    Position pos;
    const Seeds* seeds;
};

double PlayOn(std::vector<World>& worlds, const Context& ctx);
double AfterOwnPlay(std::vector<World>& worlds, const Context& ctx);

/// The sum over `worlds` (the seat to play in all) of the hand's difference after the
/// seat's `play`, played on.
double AfterPlay(const std::vector<World>& worlds, const Play& play, const Context& ctx) {
    std::vector<World> next = worlds;
    for (World& w : next) ApplyPlay(w.pos, play);
    return AfterOwnPlay(next, ctx);
}

/// The sum over `worlds`, each just after a play of the seat's, of the hand's difference:
/// the other side answers as the quick player would in each, and the worlds in which it
/// answers alike are played on together (the seat sees its answer and nothing else).
double AfterOwnPlay(std::vector<World>& worlds, const Context& ctx) {
    double sum = 0;
    PlayList list;
    std::vector<std::pair<CardSet, int>> answers;  // (answer, world) for the worlds going on
    for (int w = 0; w < static_cast<int>(worlds.size()); ++w) {
        Position& pos = worlds[w].pos;
        CardSet answer = 0;
        if (pos.playCount < kPlaysPerHand && !EndsRound(pos.playCount) && pos.ToMove() != ctx.me) {
            const int s = pos.ToMove();
            ListPlays(pos, s, list);
            if (list.count > 0) {
                const Play& play = list.plays[ChooseLevelFour(pos, s, list)];
                answer = play.picked | Bit(play.card);
                ApplyPlay(pos, play);
            }
        }
        if (pos.playCount >= kPlaysPerHand)
            sum += Outcome(pos, ctx.me);
        else if (EndsRound(pos.playCount))
            sum += Rollouts(pos, ctx, *worlds[w].seeds);
        else
            answers.emplace_back(answer, w);
    }
    std::stable_sort(answers.begin(), answers.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<World> alike;
    for (std::size_t i = 0; i < answers.size();) {
        std::size_t j = i;
        alike.clear();
        for (; j < answers.size() && answers[j].first == answers[i].first; ++j)
            alike.push_back(worlds[answers[j].second]);
        sum += PlayOn(alike, ctx);
        i = j;
    }
    return sum;
}

/// The sum over `worlds` (alike in all the seat sees, the seat to play) of the hand's
/// difference, the seat choosing the one play that is best over all of them.
double PlayOn(std::vector<World>& worlds, const Context& ctx) {
    PlayList list;
    ListPlays(worlds.front().pos, ctx.me, list);
    double best = -std::numeric_limits<double>::infinity();
    for (int p = 0; p < list.count; ++p)
        best = std::max(best, AfterPlay(worlds, list.plays[p], ctx));
    return best;
}

/// Draws of the other's hand for one world before the last draw is kept whatever it shows.
constexpr int kMaxAttempts = 400;
/// Draws of the other's hand for a whole choice, for each world.
constexpr int kReadsPerWorld = 40;

/// How far the other side's plays this round are from the quick player's choices, had it
/// held the hand `world` gives it: the round replayed from its deal, each of the other's
/// plays adding the gap between the best total and the total of the play it made. 0 when
/// the record cannot be replayed or names a play the quick player never lists (then the
/// other does not play as it does, and its plays tell nothing).
int ChoiceGap(const Knowledge& k, const Position& world, int me) {
    const int other = 1 - me;
    Position pos = world;
    pos.floorCount = std::min(k.round.floorCount, kDeckSize);
    for (int f = 0; f < pos.floorCount; ++f)
        pos.floor[f] = static_cast<std::uint8_t>(k.round.floor[f]);
    pos.side[me] = k.round.own;
    pos.side[other] = k.round.other;
    pos.declined = {0, 0};
    pos.playCount = k.playCount - k.round.playCount;
    // The deck: what the other side has not seen either (its order tells the choice nothing).
    std::array<std::uint8_t, kDeckSize> deck;
    int deckCount = 0;
    for (CardSet rest = kAllCards & ~k.seen & ~world.HandSet(other); rest != 0; rest &= rest - 1)
        deck[deckCount++] = static_cast<std::uint8_t>(std::countr_zero(rest));
    pos.SetDeck(deck.data(), deckCount);
    for (int j = 0; j < k.round.playCount; ++j) {
        const SeenPlay& seen = k.round.plays[j];
        const int s = seen.own ? me : other;
        if (pos.handCount[s] >= kHandCards) return 0;
        pos.hand[s][pos.handCount[s]++] = static_cast<std::uint8_t>(seen.card);
    }
    int gap = 0;
    PlayList list;
    for (int j = 0; j < k.round.playCount; ++j) {
        const SeenPlay& seen = k.round.plays[j];
        const int s = pos.ToMove();
        if ((s == me) != seen.own) return 0;
        int handPos = 0;
        while (handPos < pos.handCount[s] && pos.hand[s][handPos] != seen.card) ++handPos;
        if (handPos == pos.handCount[s]) return 0;
        if (s == other) {
            ListPlays(pos, s, list);
            const int best = ChooseLevelFour(pos, s, list);
            int made = -1;
            for (int q = 0; q < list.count && made < 0; ++q) {
                if (list.plays[q].card == seen.card && list.plays[q].picked == seen.takes) made = q;
            }
            if (made < 0) return 0;
            gap += std::abs(list.plays[best].total - list.plays[made].total);
        }
        Play play{};
        play.handPos = static_cast<std::uint8_t>(handPos);
        play.card = static_cast<std::uint8_t>(seen.card);
        play.pickedCount = static_cast<std::uint8_t>(CountCards(seen.takes));
        play.picked = seen.takes;
        ApplyPlay(pos, play);
    }
    return gap;
}

/// The table as the seat sees it, with no cards in the other hand and none in the deck.
Position SeatPosition(const Knowledge& k) {
    const int me = k.humanSeat ? kHuman : kComputer;
    const int other = 1 - me;
    Position root;
    root.rules = {k.gameType, k.targetScore, k.dinariRule, k.reverseGame};
    for (int i = 0; i < k.handCount && i < kHandCards; ++i)
        root.hand[me][i] = static_cast<std::uint8_t>(k.hand[i]);
    root.handCount[me] = static_cast<std::uint8_t>(std::min(k.handCount, kHandCards));
    for (int f = 0; f < k.floorCount && f < kDeckSize; ++f)
        root.floor[f] = static_cast<std::uint8_t>(k.floor[f]);
    root.floorCount = std::min(k.floorCount, kDeckSize);
    root.side[me] = k.own;
    root.side[other] = k.other;
    root.declined[me] = k.ownDeclined;
    root.declined[other] = k.otherDeclined;
    root.playCount = k.playCount;
    root.starter = k.ownStartsRound ? me : other;
    return root;
}

/// The chance, in 65,536ths, of keeping a world whose hand explains the other's plays
/// `gap` points worse than its best: halved for every `slack` points.
int Likelihood(int gap, int slack) {
    if (slack <= 0) return 0;
    const int halvings = gap / slack;
    return halvings >= 16 ? 0 : (1 << 16) >> halvings;
}

/// The search's own seed: the game's, with the position, so the same position is searched
/// alike every time.
std::uint64_t PositionSeed(const Knowledge& k) {
    std::uint64_t seed =
        MixBits(k.seed ^ MixBits(k.seen) ^ (static_cast<std::uint64_t>(k.playCount) << 56));
    for (int i = 0; i < k.handCount; ++i)
        seed = MixBits(seed ^ static_cast<std::uint64_t>(k.hand[i]));
    for (int f = 0; f < k.floorCount; ++f)
        seed = MixBits(seed + static_cast<std::uint64_t>(k.floor[f]));
    return seed;
}

}  // namespace

int ChoiceShortfall(const Knowledge& k, CardSet otherHand) {
    if (k.round.playCount != PlaysIntoRound(k.playCount)) return 0;
    const int me = k.humanSeat ? kHuman : kComputer;
    Position world = SeatPosition(k);
    for (CardSet rest = otherHand; rest != 0 && world.handCount[1 - me] < kHandCards;
         rest &= rest - 1)
        world.hand[1 - me][world.handCount[1 - me]++] =
            static_cast<std::uint8_t>(std::countr_zero(rest));
    return ChoiceGap(k, world, me);
}

namespace {

/// The plays the seat may make from `k`.
PlayList Candidates(const Knowledge& k) {
    PlayList candidates;
    ListPlays(SeatPosition(k), k.humanSeat ? kHuman : kComputer, candidates, k.firstPlayable - 1,
              k.lastPlayable - 1);
    return candidates;
}

/// The sum over the sampled worlds of each candidate's hand difference, and the worlds'
/// number.
std::pair<std::vector<double>, int> WeighCandidates(const Knowledge& k,
                                                    const SearchSettings& settings,
                                                    const PlayList& candidates) {
    const int me = k.humanSeat ? kHuman : kComputer;
    const int other = 1 - me;
    const Position root = SeatPosition(k);

    // What the other side holds and what is still to deal: the cards the seat has not seen.
    const int inRound = PlaysIntoRound(k.playCount);
    const int otherPlayed = root.starter == other ? (inRound + 1) / 2 : inRound / 2;
    const int otherHand = kHandCards - otherPlayed;
    std::vector<std::uint8_t> unseen;
    for (CardSet rest = kAllCards & ~k.seen; rest != 0; rest &= rest - 1)
        unseen.push_back(static_cast<std::uint8_t>(std::countr_zero(rest)));
    const int handSize = std::min<int>(otherHand, static_cast<int>(unseen.size()));

    Generator rng(PositionSeed(k));

    Context ctx;
    ctx.me = me;
    ctx.rollouts = std::clamp(settings.rollouts, 1, static_cast<int>(Seeds{}.size()));
    ctx.randomPercent = settings.randomPercent;
    const bool reads = settings.readPlays && k.round.playCount == PlaysIntoRound(k.playCount);
    // The other's plays are read within a bound on the draws, for a side whose plays no hand
    // explains well (it does not choose as the quick player does).
    int readsLeft = kReadsPerWorld * std::max(1, settings.worlds);
    std::vector<std::uint8_t> cards;
    // A world: the other's hand drawn from the unseen cards of ranks it may hold, kept as
    // the likelier the better it explains the other's plays this round; the rest of the
    // unseen cards are the deck in a random order.
    const auto drawWorld = [&]() {
        World world{root, nullptr};
        for (int attempt = 0;; ++attempt) {
            cards = unseen;
            ShuffleRange(cards.data(), static_cast<int>(cards.size()), rng);
            std::stable_partition(cards.begin(), cards.end(), [&](std::uint8_t c) {
                return (k.otherDeclined & (1u << CardRank(c))) == 0;
            });
            for (int i = 0; i < handSize; ++i) world.pos.hand[other][i] = cards[i];
            world.pos.handCount[other] = static_cast<std::uint8_t>(handSize);
            if (!reads || attempt >= kMaxAttempts || readsLeft <= 0) break;
            --readsLeft;
            const int gap = ChoiceGap(k, world.pos, me);
            if (gap <= 0 || rng.Below(1 << 16) < Likelihood(gap, settings.choiceSlack)) break;
        }
        ShuffleRange(cards.data() + handSize, static_cast<int>(cards.size()) - handSize, rng);
        world.pos.SetDeck(cards.data() + handSize, static_cast<int>(cards.size()) - handSize);
        return world;
    };
    // Each play judged over the same worlds, each world's quick games the same for all.
    // With the deck dealt out, the unseen cards are the other's hand: one world is all.
    const int worldCount =
        static_cast<int>(unseen.size()) == handSize ? 1 : std::max(1, settings.worlds);
    std::vector<Seeds> seeds(worldCount);
    std::vector<World> worlds;
    for (int w = 0; w < worldCount; ++w) {
        worlds.push_back(drawWorld());
        for (auto& s : seeds[w]) s = rng.Next();
        worlds.back().seeds = &seeds[w];
    }
    std::vector<double> total(candidates.count, 0.0);
    for (int p = 0; p < candidates.count; ++p)
        total[p] = AfterPlay(worlds, candidates.plays[p], ctx);
    return {std::move(total), worldCount};
}

ExpertChoice ChoiceOf(const PlayList& candidates, int p) {
    return ExpertChoice{candidates.plays[p].card, candidates.plays[p].picked};
}

}  // namespace

ExpertChoice ChoosePlay(const Knowledge& k, const SearchSettings& settings) {
    const PlayList candidates = Candidates(k);
    if (candidates.count == 0) return {};
    if (candidates.count == 1) return ChoiceOf(candidates, 0);
    const std::vector<double> total = WeighCandidates(k, settings, candidates).first;
    int best = 0;
    for (int p = 1; p < candidates.count; ++p) {
        if (total[p] > total[best]) best = p;
    }
    return ChoiceOf(candidates, best);
}

std::vector<WeighedPlay> WeighPlays(const Knowledge& k, const SearchSettings& settings) {
    const PlayList candidates = Candidates(k);
    std::vector<WeighedPlay> out;
    if (candidates.count == 0) return out;
    const auto [total, worldCount] = WeighCandidates(k, settings, candidates);
    for (int p = 0; p < candidates.count; ++p)
        out.push_back({ChoiceOf(candidates, p), total[p] / worldCount});
    return out;
}

}  // namespace tazkova::expert
