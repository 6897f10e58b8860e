// libFuzzer entry: arbitrary bytes as the whole of a settings file and of a statistics file;
// any fault stops the run with the input saved by libFuzzer.
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/settings_input.h"

// Every input reads the statistics four times, hundreds of small texts each. Qt's libraries
// keep no frame pointers, so each allocation's stack as the sanitizer records it is new
// garbage that piles up (25 kB an input); without them, and with a quarantine of freed
// memory of a quarter of the default, a long run keeps its memory within bounds. A finding
// is replayed with the whole stacks by the regression test of the sanitizer build.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=0:quarantine_size_mb=64";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The files go to memory where it can be had: every write is synced.
    static const QTemporaryDir folder((QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm")
                                           : QDir::tempPath()) +
                                      QStringLiteral("/tazkova-settings-fuzz-XXXXXX"));
    if (!folder.isValid()) std::abort();
    const std::string fault = tazkova::fuzz::CheckSettingsInput(
        {reinterpret_cast<const char*>(data), size}, folder.path());
    if (!fault.empty()) {
        std::fprintf(stderr, "settings fault: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
