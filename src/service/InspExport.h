#pragma once

// Marks what the module exports; everything else in it stays hidden.
#define MVKINSP_EXPORT __attribute__((visibility("default")))
