// The library's string table as code reads it: texts looked up by id, as LoadString
// reads them from the add-on's own module.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The text under the id, cut to fit a buffer of that many bytes with its terminating
// zero; empty when the table has no such string.
std::string loadResourceString(int32_t id, std::size_t bufferBytes);
