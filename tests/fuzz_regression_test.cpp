// Every input the driver fuzzer starts from, and every input it ever found a fault with,
// runs through the same check in the ordinary test run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/fuzz/fuzz_input.h"

namespace tazkova::fuzz {

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FuzzRegressionTest, SeedsAndFoundInputsKeepTheTableWhole) {
    int inputs = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const fs::path dir = fs::path(TAZKOVA_FUZZ_DIR) / folder;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            if (!entry.is_regular_file() || entry.path().filename() == "README") continue;
            EXPECT_EQ(RunDriverInput(ReadFile(entry.path())), "") << entry.path();
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 5);
}

TEST(FuzzRegressionTest, NonsenseBytesGiveErrorLinesThatAreStillJson) {
    EXPECT_EQ(RunDriverInput("5\nnew\nclick 3\nstate\n"), "");
    EXPECT_EQ(RunDriverInput(""), "");
    EXPECT_EQ(RunDriverInput(std::string("\xff\xfe\n\x00\x01 click\nnew\n\xc3\x28\n", 18)), "");
}

}  // namespace
}  // namespace tazkova::fuzz
