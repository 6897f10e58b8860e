#include "tests/fuzz/fuzz_input.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/driver.h"
#include "tests/soak/table_checks.h"

namespace tazkova::fuzz {

using namespace tazkova::game;

namespace {

/// What every output line must be: one JSON object that names its command.
std::string BadOutput(const std::string& line) {
    const nlohmann::json parsed = nlohmann::json::parse(line, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object() || !parsed.contains("cmd"))
        return "output is not a JSON object with its command: " + line.substr(0, 200);
    if (!parsed.contains("events") && !parsed.contains("error") && !parsed.contains("state"))
        return "output has neither events, an error nor a state: " + line.substr(0, 200);
    return {};
}

}  // namespace

std::string RunDriverInput(std::string_view input) {
    const std::size_t firstEnd = std::min(input.find('\n'), input.size());
    const std::string_view parameter = input.substr(0, firstEnd);
    input.remove_prefix(std::min(firstEnd + 1, input.size()));

    cli::Driver driver;
    std::string fault;
    driver.table().SetPauseWatch([&] {
        if (fault.empty())
            fault = soak::BrokenRule(driver.game(), driver.table(), soak::Moment::DuringPause);
    });
    fault = BadOutput(driver.Start(ParseSeedParameter(parameter), 0));

    while (fault.empty() && !input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        // A save would leave files wherever the bytes name; loading only reads.
        const std::size_t start = line.find_first_not_of(" \t");
        if (start != std::string_view::npos && line.substr(start).starts_with("save")) continue;
        if (const std::optional<std::string> out = driver.Execute(line)) {
            const std::string bad = BadOutput(*out);
            if (fault.empty()) fault = bad;
        }
        if (fault.empty())
            fault = soak::BrokenRule(driver.game(), driver.table(), soak::Moment::BetweenCommands);
        if (!fault.empty()) fault += " (after '" + std::string(line.substr(0, 80)) + "')";
    }
    return fault;
}

}  // namespace tazkova::fuzz
