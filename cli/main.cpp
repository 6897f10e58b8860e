// tazkova-cli: plays the game from commands on standard input, one JSON line per command.
#include <chrono>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>

#include "driver.h"

namespace {

/// Milliseconds since local midnight: the clock the generator is seeded from.
std::uint32_t ClockMs() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    return static_cast<std::uint32_t>(
        ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::optional<std::string_view> first =
        argc > 1 ? std::optional<std::string_view>(argv[1]) : std::nullopt;
    tazkova::cli::Driver driver;
    std::cout << driver.Start(tazkova::ParseSeedParameter(first), ClockMs()) << '\n' << std::flush;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (const std::optional<std::string> out = driver.Execute(line))
            std::cout << *out << '\n' << std::flush;
    }
    return 0;
}
