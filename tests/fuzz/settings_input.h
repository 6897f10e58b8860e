/// One input of the settings fuzzer: the bytes of a whole file, read as the game's settings
/// file and as its statistics file.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tazkova::fuzz {

/// Reads `input` as the settings file and as the statistics file, in `folder` (the check's
/// own), and writes each back once. Returns the first fault: a key or value read that is not
/// plain, a text the writer makes that does not read back as what it was made of, a file
/// read otherwise than its text, a write that fails or loses a plain value, a count out of
/// its bounds or not counted. Empty when none.
std::string CheckSettingsInput(std::string_view input, const QString& folder);

}  // namespace tazkova::fuzz
