/// One input of the driver fuzzer: the first line is the start-up parameter, every further
/// line a command.
#pragma once

#include <string>
#include <string_view>

namespace tazkova::fuzz {

/// Runs the input through a fresh driver and returns the first fault: an output line that
/// is not one JSON object echoing its command, or a broken table rule. Empty when none.
std::string RunDriverInput(std::string_view input);

}  // namespace tazkova::fuzz
