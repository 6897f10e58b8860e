// The real tazkova-cli process against input and output that go wrong: a line of hundreds
// of megabytes, output that cannot be written (tazkova-arena's too), input that cannot be read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "cli/line_reader.h"

namespace tazkova::cli {
namespace {

using nlohmann::json;

/// A finished run of tazkova-cli.
struct CliRun {
    int status = -1;  // the exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
    long peakKb = 0;  // its maximum resident memory
};

std::string ReadAll(int fd) {
    std::string text;
    char block[4096];
    for (ssize_t n; (n = ::read(fd, block, sizeof block)) > 0;) text.append(block, std::size_t(n));
    ::close(fd);
    return text;
}

class CliProcessTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { std::signal(SIGPIPE, SIG_IGN); }

    void SetUp() override {
        char pattern[] = "/tmp/tazkova-cli-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    /// A file of `text` in the scratch folder.
    std::string File(const std::string& name, const std::string& text) const {
        const std::string path = dir + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(::write(fd, text.data(), text.size()), ssize_t(text.size()));
        ::close(fd);
        return path;
    }

    /// Starts tazkova-cli (or `program`) with `args`, standard input from `in` and standard
    /// output to `out` (captured when -1, closed when -2), and waits for it to end.
    static CliRun Start(const std::vector<std::string>& args, int in, int out = -1,
                        const char* program = TAZKOVA_CLI) {
        int outPipe[2] = {-1, -1};
        int errPipe[2];
        if (out == -1) {
            EXPECT_EQ(::pipe(outPipe), 0);
        }
        EXPECT_EQ(::pipe(errPipe), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in, 0);
        if (out == -2) {
            posix_spawn_file_actions_addclose(&actions, 1);
        } else {
            posix_spawn_file_actions_adddup2(&actions, out == -1 ? outPipe[1] : out, 1);
        }
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
        std::vector<char*> argv{const_cast<char*>(program)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        if (out == -1) ::close(outPipe[1]);
        ::close(errPipe[1]);
        CliRun run;
        // Standard error is small; standard output is read to its end first so the program
        // never waits on a full pipe.
        if (out == -1) run.out = ReadAll(outPipe[0]);
        run.err = ReadAll(errPipe[0]);
        int status = 0;
        rusage usage{};
        EXPECT_EQ(::wait4(pid, &status, 0, &usage), pid);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakKb = usage.ru_maxrss;
        return run;
    }

    static std::vector<json> Lines(const std::string& out) {
        std::vector<json> lines;
        for (std::size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
            lines.push_back(json::parse(out.substr(at, end - at)));
        return lines;
    }

    std::string dir;
};

TEST_F(CliProcessTest, AHugeLineIsRefusedInLittleMemoryAndTheScriptGoesOn) {
    // 256 MB of zero bytes on one line, as from /dev/zero, between two commands.
    const std::string path = File("huge.txt", "delay 7\nclick 1");
    const int fd = ::open(path.c_str(), O_RDWR);
    ASSERT_EQ(::ftruncate(fd, 256 << 20), 0);
    ASSERT_EQ(::pwrite(fd, "\n# a note\ndelay 9\nstate", 23, 256 << 20), 23);
    ::lseek(fd, 0, SEEK_SET);
    const CliRun huge = Start({"5"}, fd);
    ::close(fd);
    const int small = ::open(File("small.txt", "delay 7\n").c_str(), O_RDONLY);
    const CliRun plain = Start({"5"}, small);
    ::close(small);

    EXPECT_EQ(huge.status, 0) << huge.err;
    const std::vector<json> lines = Lines(huge.out);
    ASSERT_EQ(lines.size(), 5u);  // start, delay 7, the huge line, delay 9, state
    EXPECT_EQ(lines[2]["cmd"], "click 1" + std::string(57, '\0') + "...");
    EXPECT_EQ(lines[2]["error"], "line longer than 4096 bytes; skipped to its end");
    EXPECT_EQ(lines[4]["state"]["DelayTime"], 9);
    EXPECT_LT(huge.out.size(), 4096u);
    // Memory does not grow with the line: within a few megabytes of a plain run's.
    EXPECT_LT(huge.peakKb, plain.peakKb + 16 * 1024) << plain.peakKb;
}

TEST_F(CliProcessTest, OutputThatCannotBeWrittenFailsTheRun) {
    const std::string script = File("script.txt", "new\nstate\n");
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    for (const int out : {full, -2}) {
        const int in = ::open(script.c_str(), O_RDONLY);
        const CliRun run = Start({"5"}, in, out);
        ::close(in);
        EXPECT_EQ(run.status, 1) << out;
        EXPECT_NE(run.err.find("tazkova-cli: cannot write the output"), std::string::npos)
            << run.err;
    }
    ::close(full);
}

TEST_F(CliProcessTest, TheArenasOutputThatCannotBeWrittenFailsTheRun) {
    const int none = ::open("/dev/null", O_RDONLY);
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    for (const bool asJson : {false, true}) {
        std::vector<std::string> args{"--games", "1", "--seed", "7"};
        if (asJson) args.push_back("--json");
        const CliRun written = Start(args, none, -1, TAZKOVA_ARENA);
        EXPECT_EQ(written.status, 0) << asJson;
        EXPECT_EQ(written.out.find(asJson ? "{\"" : "1 games for each pair"), 0u) << written.out;
        for (const auto& [out, reason] :
             {std::pair{full, "No space left on device"}, std::pair{-2, "Bad file descriptor"}}) {
            const CliRun run = Start(args, none, out, TAZKOVA_ARENA);
            EXPECT_EQ(run.status, 1) << asJson << ' ' << out;
            EXPECT_EQ(run.err,
                      std::string("tazkova-arena: cannot write the output: ") + reason + '\n');
        }
    }
    ::close(full);
    ::close(none);
}

TEST_F(CliProcessTest, AReaderThatWentAwayStopsTheRunAtOnce) {
    // Its input never ends: only the broken pipe can stop it.
    int in[2];
    int out[2];
    ASSERT_EQ(::pipe(in), 0);
    ASSERT_EQ(::pipe(out), 0);
    ::close(out[0]);
    std::thread feeder([w = in[1]] {
        for (int i = 0; i < 1000 && ::write(w, "new\n", 4) == 4; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::close(w);
    });
    const CliRun run = Start({"5"}, in[0], out[1]);
    ::close(in[0]);
    ::close(out[1]);
    feeder.join();
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Broken pipe"), std::string::npos) << run.err;
}

TEST_F(CliProcessTest, InputThatCannotBeReadFailsTheRun) {
    const int folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    const CliRun run = Start({"5"}, folder);
    ::close(folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out).size(), 1u);  // the start line, then nothing was read
    EXPECT_NE(run.err.find("tazkova-cli: cannot read the commands"), std::string::npos) << run.err;
}

TEST_F(CliProcessTest, HelpPrintsTheUsage) {
    const int none = ::open("/dev/null", O_RDONLY);
    const CliRun run = Start({"--help"}, none);
    ::close(none);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: tazkova-cli [N]", 0), 0u) << run.out;
}

/// Lines as the reader hands them on, with a bound of 8 bytes.
std::vector<std::string> ReadLines(const std::string& input) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    std::thread writer([&] {
        // In small pieces, so that lines and the bound fall across reads.
        for (std::size_t at = 0; at < input.size(); at += 3)
            EXPECT_GT(
                ::write(fds[1], input.data() + at, std::min<std::size_t>(3, input.size() - at)), 0);
        ::close(fds[1]);
    });
    LineReader reader(fds[0], 8);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) lines.push_back(line);
    writer.join();
    ::close(fds[0]);
    EXPECT_EQ(reader.ReadError(), 0);
    return lines;
}

TEST(LineReaderTest, LongLinesKeepTheirBeginningAndTheirFirstWordByte) {
    EXPECT_EQ(ReadLines("new\n\n12345678\nlast"),
              (std::vector<std::string>{"new", "", "12345678", "last"}));
    // Past the bound: the first 8 bytes, then the first byte of the rest that is no blank.
    EXPECT_EQ(ReadLines("123456789abc\n         \t x\n          \r\n#2345678 y\n"),
              (std::vector<std::string>{"123456789", "        x", "         ", "#2345678y"}));
    EXPECT_TRUE(ReadLines("").empty());
}

}  // namespace
}  // namespace tazkova::cli
