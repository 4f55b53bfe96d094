#include "version_values.h"

namespace assets {

const VersionValues& tovrane_version_values() {
    static const VersionValues values{
        .file_version = {1, 0, 0, 0},
        .product_version = {1, 0, 0, 0},
        .flags_mask = 0,
        .flags = 0,
        .operating_system = 4,   // 32-bit Windows
        .file_type = 1,          // application
        .file_subtype = 0,
        .file_date_high = 0,
        .file_date_low = 0,
        .language = 0x0409,      // English (United States)
        .code_page = 0x04B0,     // 1200, UTF-16
        .strings = {
            {"ProductName", "Tovrane"},
            {"FileVersion", "1.00"},
            {"ProductVersion", "1.00"},
            {"InternalName", "Tovrane"},
            {"OriginalFilename", "Tovrane.exe"},
        },
    };
    return values;
}

}  // namespace assets
