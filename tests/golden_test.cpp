// Whole scripted games replayed through the driver and compared line by line with their
// recorded transcripts. Values the game leaves open (the maker's banner, card places
// before the first shuffle, frames of dropped picks, far floor places) are masked as the
// transcripts' mask files say.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/driver.h"

namespace tazkova::cli {

using namespace tazkova::game;
namespace {

using nlohmann::json;

const std::string kOpen = "<free>";
const std::string kTheirBanner = "ORACLE";

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

/// Writes the recorded maker's banner wherever ours appears in a string.
void ReplaceBanner(json& value, const std::string& ours) {
    if (value.is_string()) {
        std::string s = value.get<std::string>();
        for (std::size_t at = s.find(ours); at != std::string::npos;
             at = s.find(ours, at + kTheirBanner.size()))
            s.replace(at, ours.size(), kTheirBanner);
        value = s;
    } else if (value.is_structured()) {
        for (json& item : value) ReplaceBanner(item, ours);
    }
}

void Mask(json& line, const json& mask) {
    if (line.value("cmd", "") == "start") line["banner"] = kOpen;
    if (line.contains("events")) {
        for (json& e : line["events"]) {
            if (e.contains("msg")) ReplaceBanner(e["msg"], Game::Banner());
            if (e.value("dialog", "") == "results" && mask["status"].get<bool>())
                e["status"] = kOpen;
        }
    }
    if (!line.contains("state")) return;
    json& s = line["state"];
    ReplaceBanner(s, Game::Banner());
    if (mask["counters"].get<bool>()) s["Counters"] = kOpen;
    s["FloorPile"]["X"] = s["FloorPile"]["Y"] = kOpen;
    if (mask["status"].get<bool>()) s["Results"]["status"] = kOpen;
    const bool allImages = mask["img_all"].get<bool>();
    for (std::size_t i = 0; i < s["Images"].size(); ++i) {
        bool masked = allImages;
        for (const json& m : mask["img"]) masked |= m.get<std::size_t>() == i;
        if (masked) s["Images"][i][0] = s["Images"][i][1] = kOpen;
    }
    for (const json& c : mask["frame_pos"]) {
        json& f = s["Frames"][c.get<std::size_t>() - 1];
        f[0] = f[1] = kOpen;
    }
    for (const json& c : mask["frame_vis"]) s["Frames"][c.get<std::size_t>() - 1][2] = kOpen;
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, MatchesTheRecordedTranscript) {
    const std::string base = std::string(TAZKOVA_GOLDEN_DIR) + "/" + GetParam();
    const std::vector<std::string> script = ReadLines(base + ".script");
    const std::vector<std::string> expected = ReadLines(base + ".expected.jsonl");
    const std::vector<std::string> masks = ReadLines(base + ".free.jsonl");
    ASSERT_FALSE(script.empty());
    ASSERT_FALSE(expected.empty());
    const std::string& head = script.front();
    const std::string n = head.substr(head.rfind("N=") + 2);

    Driver driver;
    std::vector<std::string> got{driver.Start(ParseSeedParameter(n), 0)};
    for (const std::string& line : script) {
        if (auto out = driver.Execute(line)) got.push_back(std::move(*out));
    }
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        json want = json::parse(expected[i]);
        json have = json::parse(got[i]);
        if (want.contains("error") || have.contains("error")) {
            EXPECT_EQ(want.contains("error"), have.contains("error"))
                << "line " << i + 1 << ": " << got[i];
            continue;
        }
        const json mask = json::parse(masks[std::min(i, masks.size() - 1)]);
        Mask(want, mask);
        Mask(have, mask);
        ASSERT_EQ(want, have) << GetParam() << " line " << i + 1 << " (" << want.value("cmd", "")
                              << ")\n"
                              << "diff: " << json::diff(want, have).dump();
    }
}

INSTANTIATE_TEST_SUITE_P(Transcripts, GoldenTest,
                         ::testing::Values("01", "02", "03", "04", "05", "06", "07", "08"));

}  // namespace
}  // namespace tazkova::cli
