// tazkova-soak: plays many random games headless and checks the table after every command.
//
//   tazkova-soak [--games N] [--seed S] [--from K] [--jobs J]
//
// Game K of seed S is always the same game, so a fault found in a long run is replayed with
// `--from K --games 1`; its script is also written to soak-fault-S-K.txt for tazkova-cli.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/soak/soak.h"

namespace {

struct Settings {
    std::uint64_t games = 1000;
    std::uint64_t seed = 1;
    std::uint64_t from = 0;
    unsigned jobs = 1;
};

bool ReadNumber(const char* text, std::uint64_t& out) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (end == text || *end != '\0' || text[0] == '-') return false;
    out = value;
    return true;
}

bool ParseArguments(int argc, char** argv, Settings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        std::uint64_t value = 0;
        if (!ReadNumber(argv[i + 1], value)) return false;
        if (key == "--games") {
            s.games = value;
        } else if (key == "--seed") {
            s.seed = value;
        } else if (key == "--from") {
            s.from = value;
        } else if (key == "--jobs" && value >= 1 && value <= 64) {
            s.jobs = static_cast<unsigned>(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    if (!ParseArguments(argc, argv, s)) {
        std::fprintf(stderr, "usage: %s [--games N] [--seed S] [--from K] [--jobs J]\n", argv[0]);
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    std::atomic<std::uint64_t> next{s.from}, done{0}, finished{0}, commands{0}, pauses{0};
    std::atomic<bool> failed{false};
    std::mutex printing;

    auto work = [&] {
        for (std::uint64_t game = next++; game < s.from + s.games && !failed; game = next++) {
            const tazkova::soak::GameReport report = tazkova::soak::PlaySoakGame(s.seed, game);
            commands += report.script.size();
            pauses += static_cast<std::uint64_t>(report.pauses);
            finished += report.finished ? 1 : 0;
            const std::uint64_t count = ++done;
            std::lock_guard<std::mutex> lock(printing);
            if (!report.fault.empty()) {
                failed = true;
                const std::string file =
                    "soak-fault-" + std::to_string(s.seed) + "-" + std::to_string(game) + ".txt";
                std::ofstream(file, std::ios::binary) << tazkova::soak::ReplayScript(report);
                std::printf("FAULT in game %llu of seed %llu: %s\nscript: %s\n",
                            static_cast<unsigned long long>(game),
                            static_cast<unsigned long long>(s.seed), report.fault.c_str(),
                            file.c_str());
            } else if (count % 10000 == 0) {
                std::printf("%llu games\n", static_cast<unsigned long long>(count));
                std::fflush(stdout);
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned j = 1; j < s.jobs; ++j) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf(
        "%llu games (%llu played to the end), %llu commands, %llu pauses checked, "
        "%d faults, %.1f s\n",
        static_cast<unsigned long long>(done.load()),
        static_cast<unsigned long long>(finished.load()),
        static_cast<unsigned long long>(commands.load()),
        static_cast<unsigned long long>(pauses.load()), failed ? 1 : 0, seconds);
    return failed ? 1 : 0;
}
