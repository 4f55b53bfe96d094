// A readable dump of a parsed window description: one line per record and
// per property, with offsets and sizes, for tests to compare.
#pragma once

#include <string>

#include "window_description.h"

std::string dump_description(const rt::WindowDescription& description);
std::string hex_identifier(const rt::Identifier& id);
