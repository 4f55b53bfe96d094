// libFuzzer target: any bytes taken as a project image are either loaded or
// rejected with rt::DataError, following the header's offsets only within
// the input.
#include <cstddef>
#include <cstdint>

#include "data_error.h"
#include "project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const rt::LoadedProject project = rt::load_project(std::span<const std::uint8_t>(data, size));
        volatile std::size_t sink = project.application_title.size() + project.window.background.size();
        (void)sink;
    } catch (const rt::DataError&) {
    }
    return 0;
}
