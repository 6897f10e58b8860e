// The sampled-worlds search: worlds dealt from what the seat has not seen, the rest of the
// round searched exactly in each, the rest of the hand estimated by quick games.
#include "expert/search.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

#include "expert/model.h"

namespace tazkova::expert {

namespace {

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

/// The expert's own generator (never the game's).
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        state_ += 0x9e3779b97f4a7c15ull;
        return Mix(state_);
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
    int rollouts = 2;
    int randomPercent = 30;
    bool greedyOpponent = true;
    std::array<std::uint64_t, 16> rolloutSeeds{};
};

double Outcome(const Position& pos, int me) {
    const HandGains gains = ScoreHand(pos);
    const double diff = gains.gain[me] - gains.gain[1 - me];
    return pos.rules.reverseGame ? -diff : diff;
}

/// The hand played to its end by the quick player, from a round's end, the deck re-dealt.
double Rollouts(const Position& start, const Context& ctx) {
    double sum = 0;
    PlayList list;
    for (int r = 0; r < ctx.rollouts; ++r) {
        Generator rng(ctx.rolloutSeeds[r]);
        Position pos = start;
        ShuffleRange(pos.deck.data() + pos.deckPos, pos.deckEnd - pos.deckPos, rng);
        while (pos.playCount < 36) {
            if (pos.playCount % 6 == 0) DealRound(pos);
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

/// The rest of the round searched exactly (each side playing its best in this world), then
/// the quick games; the hand's end is exact.
double SearchRound(const Position& pos, double alpha, double beta, const Context& ctx) {
    if (pos.playCount >= 36) return Outcome(pos, ctx.me);
    if (pos.playCount % 6 == 0) return Rollouts(pos, ctx);
    const int s = pos.ToMove();
    PlayList list;
    ListPlays(pos, s, list);
    if (list.count == 0) return Outcome(pos, ctx.me);
    // The other side is taken to play as the quick player does (it does not see the seat's
    // cards, whatever this world shows); the seat's own plays are searched, the quick
    // player's favourites first, so that the bounds close early.
    const int favourite = ChooseLevelFour(pos, s, list);
    const bool mine = s == ctx.me;
    if (!mine && ctx.greedyOpponent) {
        Position child = pos;
        ApplyPlay(child, list.plays[favourite]);
        return SearchRound(child, alpha, beta, ctx);
    }
    std::array<int, PlayList::kCapacity> order;
    for (int i = 0; i < list.count; ++i) order[i] = i;
    const bool reverse = pos.rules.reverseGame;
    std::stable_sort(order.begin(), order.begin() + list.count, [&](int a, int b) {
        return reverse ? list.plays[a].total < list.plays[b].total
                       : list.plays[a].total > list.plays[b].total;
    });
    double best =
        mine ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    for (int i = 0; i < list.count; ++i) {
        Position child = pos;
        ApplyPlay(child, list.plays[order[i]]);
        const double v = SearchRound(child, alpha, beta, ctx);
        if (mine) {
            best = std::max(best, v);
            alpha = std::max(alpha, v);
        } else {
            best = std::min(best, v);
            beta = std::min(beta, v);
        }
        if (alpha >= beta) break;
    }
    return best;
}

constexpr CardSet kAllCards = ((CardSet{1} << 41) - 1) & ~CardSet{1};

}  // namespace

ExpertChoice ChoosePlay(const Knowledge& k, const SearchSettings& settings) {
    const int me = k.humanSeat ? kHuman : kComputer;
    const int other = 1 - me;
    Position root;
    root.rules = {k.gameType, k.targetScore, k.dinariRule, k.reverseGame};
    for (int i = 0; i < k.handCount && i < 3; ++i)
        root.hand[me][i] = static_cast<std::uint8_t>(k.hand[i]);
    root.handCount[me] = static_cast<std::uint8_t>(std::min(k.handCount, 3));
    for (int f = 0; f < k.floorCount && f < 40; ++f)
        root.floor[f] = static_cast<std::uint8_t>(k.floor[f]);
    root.floorCount = std::min(k.floorCount, 40);
    root.side[me] = k.own;
    root.side[other] = k.other;
    root.declined[me] = k.ownDeclined;
    root.declined[other] = k.otherDeclined;
    root.playCount = k.playCount;
    root.starter = k.ownStartsRound ? me : other;

    PlayList candidates;
    ListPlays(root, me, candidates, k.firstPlayable - 1, k.lastPlayable - 1);
    if (candidates.count == 0) return {};
    const auto choice = [&](int p) {
        return ExpertChoice{candidates.plays[p].card, candidates.plays[p].picked};
    };
    if (candidates.count == 1) return choice(0);

    // What the other side holds and what is still to deal: the cards the seat has not seen.
    const int inRound = k.playCount % 6;
    const int otherPlayed = root.starter == other ? (inRound + 1) / 2 : inRound / 2;
    const int otherHand = 3 - otherPlayed;
    std::vector<std::uint8_t> unseen;
    for (CardSet rest = kAllCards & ~k.seen; rest != 0; rest &= rest - 1)
        unseen.push_back(static_cast<std::uint8_t>(std::countr_zero(rest)));
    const int handSize = std::min<int>(otherHand, static_cast<int>(unseen.size()));

    std::uint64_t seed =
        Mix(k.seed ^ Mix(k.seen) ^ (static_cast<std::uint64_t>(k.playCount) << 56));
    for (int i = 0; i < k.handCount; ++i) seed = Mix(seed ^ static_cast<std::uint64_t>(k.hand[i]));
    for (int f = 0; f < k.floorCount; ++f)
        seed = Mix(seed + static_cast<std::uint64_t>(k.floor[f]));
    Generator rng(seed);

    Context ctx;
    ctx.me = me;
    ctx.rollouts = std::clamp(settings.rollouts, 1, static_cast<int>(ctx.rolloutSeeds.size()));
    ctx.randomPercent = settings.randomPercent;
    ctx.greedyOpponent = settings.greedyOpponent;
    std::vector<double> total(candidates.count, 0.0);
    for (int w = 0; w < std::max(1, settings.worlds); ++w) {
        // A world: the other's hand drawn from the unseen cards of ranks it may hold, the rest
        // of them the deck in a random order.
        Position world = root;
        std::vector<std::uint8_t> cards = unseen;
        ShuffleRange(cards.data(), static_cast<int>(cards.size()), rng);
        std::stable_partition(cards.begin(), cards.end(), [&](std::uint8_t c) {
            return (k.otherDeclined & (1u << CardRank(c))) == 0;
        });
        for (int i = 0; i < handSize; ++i) world.hand[other][i] = cards[i];
        world.handCount[other] = static_cast<std::uint8_t>(handSize);
        ShuffleRange(cards.data() + handSize, static_cast<int>(cards.size()) - handSize, rng);
        world.deckPos = 0;
        world.deckEnd = 0;
        for (std::size_t i = handSize; i < cards.size(); ++i)
            world.deck[world.deckEnd++] = cards[i];
        for (auto& s : ctx.rolloutSeeds) s = rng.Next();
        for (int p = 0; p < candidates.count; ++p) {
            Position child = world;
            ApplyPlay(child, candidates.plays[p]);
            total[p] += SearchRound(child, -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::infinity(), ctx);
        }
    }
    int best = 0;
    for (int p = 1; p < candidates.count; ++p) {
        if (total[p] > total[best]) best = p;
    }
    return choice(best);
}

}  // namespace tazkova::expert
