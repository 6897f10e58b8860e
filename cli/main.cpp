// tazkova-cli: plays the game from commands on standard input, one JSON line per command.
#include <iostream>
#include <optional>
#include <string>

#include "cli/driver.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::optional<std::string_view> first =
        argc > 1 ? std::optional<std::string_view>(argv[1]) : std::nullopt;
    tazkova::cli::Driver driver;
    std::cout << driver.Start(tazkova::game::ParseSeedParameter(first),
                              tazkova::game::MillisecondsSinceMidnight())
              << '\n'
              << std::flush;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (const std::optional<std::string> out = driver.Execute(line))
            std::cout << *out << '\n' << std::flush;
    }
    return 0;
}
