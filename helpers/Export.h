// Marks the classes that the add-on library exports for other modules to link against.
#pragma once

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
