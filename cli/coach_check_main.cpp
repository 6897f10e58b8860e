// tazkova-coach-check: a sanity check of the hand review, not a test. Whole arena games with
// levels 1 and 4 and the expert in the human's seat (level 4 across the table), every hand
// reviewed: the points given away a hand by each, the time of a whole hand's review on one
// thread, and how far the judge's worths move when only its worlds change.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/arena.h"
#include "cli/output.h"
#include "coach/judge.h"
#include "game/game.h"

namespace {

using namespace tazkova;

struct LevelFigures {
    int level = 0;
    int hands = 0;
    double givenAway = 0;  // summed over the hands
    double squares = 0;    // of the hands' figures, for the interval
    std::vector<double> reviewMs;
    std::vector<std::vector<game::HumanPlayRecord>> sampled;  // positions for the spread
};

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(at, values.size() - 1)];
}

/// The games of one level on `threads` threads; every hand's review timed on its own thread.
LevelFigures RunLevel(int level, int games, std::uint32_t seed, unsigned threads) {
    LevelFigures out;
    out.level = level;
    std::mutex lock;
    std::atomic<int> next{0};
    const cli::ArenaSettings settings;
    auto work = [&] {
        for (int g = next++; g < games; g = next++) {
            const std::uint32_t gameSeed = cli::ArenaGameSeed(seed, 40 + level, g);
            cli::PlayArenaGame(settings, level, 4, gameSeed, [&](const game::Game& table) {
                const auto& plays = table.HumanPlays();
                const auto start = std::chrono::steady_clock::now();
                const std::vector<coach::Judgement> review = coach::ReviewHand(plays);
                const double ms = std::chrono::duration<double, std::milli>(
                                      std::chrono::steady_clock::now() - start)
                                      .count();
                const double given = coach::Summarize(review).givenAway;
                const std::lock_guard<std::mutex> guard(lock);
                ++out.hands;
                out.givenAway += given;
                out.squares += given * given;
                out.reviewMs.push_back(ms);
                if (out.sampled.size() < 40 && g % 5 == 0) out.sampled.push_back(plays);
            });
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(work);
    for (std::thread& t : pool) t.join();
    return out;
}

/// How far apart two plays' worths move when only the judge's worlds change: for each
/// position and each pair of its plays, the spread (standard deviation) of their difference
/// over `seeds` seeds, at `worlds` worlds. Returns the median and 95th percentile spread, and
/// the share of pairs whose difference crossed half a point on some seed while its mean
/// stayed within a tenth of a point (two plays of equal worth that looked different).
std::string Spread(const std::vector<game::HumanPlayRecord>& positions, int worlds, int seeds) {
    expert::SearchSettings settings = coach::JudgeSettings();
    settings.worlds = worlds;
    std::vector<double> spreads;
    int equalPairs = 0, equalMarked = 0, equalSeeds = 0;
    for (const game::HumanPlayRecord& record : positions) {
        std::vector<std::vector<double>> worths;  // [seed][play]
        for (int s = 0; s < seeds; ++s) {
            game::SeatKnowledge k = record.before;
            k.seed = k.seed * 6364136223846793005ull +
                     static_cast<std::uint64_t>(s) * 1442695040888963407ull;
            std::vector<double> w;
            for (const expert::WeighedPlay& p : expert::WeighPlays(k, settings))
                w.push_back(p.worth);
            worths.push_back(std::move(w));
        }
        const std::size_t plays = worths.front().size();
        for (std::size_t a = 0; a < plays; ++a) {
            for (std::size_t b = a + 1; b < plays; ++b) {
                double sum = 0, squares = 0;
                int marked = 0;
                for (const auto& w : worths) {
                    const double d = w[a] - w[b];
                    sum += d;
                    squares += d * d;
                    if (std::abs(d) >= coach::kMarkedLoss) ++marked;
                }
                const double mean = sum / seeds;
                spreads.push_back(std::sqrt(std::max(0.0, squares / seeds - mean * mean)));
                if (std::abs(mean) < 0.1) {
                    ++equalPairs;
                    equalSeeds += seeds;
                    equalMarked += marked;
                }
            }
        }
    }
    char line[256];
    std::snprintf(line, sizeof line,
                  "worlds %5d: spread of a difference median %.3f, 95th percentile %.3f points; "
                  "%d pairs of equal worth, %.2f%% of their judgements half a point apart\n",
                  worlds, Percentile(spreads, 0.5), Percentile(spreads, 0.95), equalPairs,
                  equalSeeds ? 100.0 * equalMarked / equalSeeds : 0.0);
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    int games = 200;
    unsigned threads = 2;
    bool spread = false;
    std::vector<int> levels{1, 4, game::kExpertLevel};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--games" && i + 1 < args.size())
            games = std::max(1, std::atoi(std::string(args[++i]).c_str()));
        else if (args[i] == "--threads" && i + 1 < args.size())
            threads = static_cast<unsigned>(std::max(1, std::atoi(std::string(args[++i]).c_str())));
        else if (args[i] == "--spread")
            spread = true;
        else if (args[i] == "--levels" && i + 1 < args.size()) {
            levels.clear();
            for (const char c : args[++i])
                if (c >= '1' && c <= '5') levels.push_back(c - '0');
        } else {
            std::fprintf(stderr,
                         "usage: tazkova-coach-check [--games N] [--threads T] [--levels 1,4,5] "
                         "[--spread]\n");
            return 2;
        }
    }
    std::string out;
    std::vector<double> allMs;
    std::vector<game::HumanPlayRecord> positions;
    for (const int level : levels) {
        const LevelFigures f = RunLevel(level, games, 2026, threads);
        const double mean = f.givenAway / std::max(1, f.hands);
        const double var = f.squares / std::max(1, f.hands) - mean * mean;
        char line[256];
        std::snprintf(line, sizeof line,
                      "level %d in the human's seat: %d hands of %d games, %.3f +- %.3f points "
                      "given away a hand\n",
                      level, f.hands, games, mean, 1.96 * std::sqrt(std::max(0.0, var) / f.hands));
        out += line;
        allMs.insert(allMs.end(), f.reviewMs.begin(), f.reviewMs.end());
        for (const auto& hand : f.sampled) {
            if (positions.size() < 60 && !hand.empty()) positions.push_back(hand[hand.size() / 3]);
        }
    }
    char line[256];
    std::snprintf(line, sizeof line,
                  "a whole hand's review on one thread: median %.0f ms, 99th percentile %.0f ms, "
                  "longest %.0f ms (%zu hands)\n",
                  Percentile(allMs, 0.5), Percentile(allMs, 0.99), Percentile(allMs, 1.0),
                  allMs.size());
    out += line;
    if (spread) {
        for (const int worlds : {250, 500, 1000, 2000}) out += Spread(positions, worlds, 12);
    }
    if (const int failure = cli::WriteOut(out))
        return cli::Fail("tazkova-coach-check", "cannot write the output", failure);
    return 0;
}
