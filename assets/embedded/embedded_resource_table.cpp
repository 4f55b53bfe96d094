// The symbols that resource_table_data.S defines around the embedded table.
// Referring to them here keeps the table in the executable even though the
// program never reads it at run time.
#include "resource_table.h"

extern "C" const std::uint8_t tovrane_resource_table_begin[];
extern "C" const std::uint8_t tovrane_resource_table_end[];

namespace resources {

std::span<const std::uint8_t> embedded_resource_table() {
    return {tovrane_resource_table_begin, tovrane_resource_table_end};
}

}  // namespace resources
