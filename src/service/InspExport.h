#pragma once

// Marks what the module exports; everything else in it stays hidden. The Windows DLL names
// its exports in its .def file instead.
#ifdef _WIN32
#define MVKINSP_EXPORT
#else
#define MVKINSP_EXPORT __attribute__((visibility("default")))
#endif
