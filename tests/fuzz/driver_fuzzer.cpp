// libFuzzer entry: arbitrary bytes as the driver's parameter and command lines; any fault
// stops the run with the input saved by libFuzzer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault =
        tazkova::fuzz::RunDriverInput({reinterpret_cast<const char*>(data), size});
    if (!fault.empty()) {
        std::fprintf(stderr, "table fault: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
