// Marks the classes that the add-on library exports for other modules to link against.
#pragma once

#include <cstdint>

// On Windows only the add-on's own build exports; everyone else (tests linking the
// static library) sees plain declarations. Elsewhere the symbols stay visible even
// when the library is built with hidden visibility.
#if defined(_WIN32)
#if defined(QAV_ADDON_BUILD)
#define QAV_EXPORT __declspec(dllexport)
#else
#define QAV_EXPORT
#endif
#else
#define QAV_EXPORT __attribute__((visibility("default")))
#endif

// The type that the exported declarations name `long`. Other modules link against them
// by their decorated names, which carry the type: on Windows, where long is 32 bits, the
// members take long itself; elsewhere long is 64 bits wide, and the 32-bit type keeps
// the value's width.
#if defined(_WIN32)
using ExportedLong = long;
#else
using ExportedLong = int32_t;
#endif
