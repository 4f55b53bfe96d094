// Walks a version block as a tree of nodes and prints it as readable text,
// one line per node. Structural faults (a node off its 4-byte boundary, a
// length that overruns its parent or does not end on its last child, a key
// without its NUL, a text value without its NUL) throw std::runtime_error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resource_tests {

std::string dump_version_block(const std::vector<std::uint8_t>& bytes);

}  // namespace resource_tests
