// libFuzzer target: any bytes given to the window description reader are
// either read or rejected with rt::DataError; nothing crashes, leaks or reads
// outside the input.
#include <cstddef>
#include <cstdint>

#include "data_error.h"
#include "window_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const rt::WindowDescription description = rt::read_window_description({data, size});
        const rt::WindowSettings settings = rt::window_settings_from(description);
        // Touch what the window builder would read.
        volatile std::size_t sink = settings.title.size() + settings.background.size() + settings.button.picture.size();
        (void)sink;
    } catch (const rt::DataError&) {
    }
    return 0;
}
