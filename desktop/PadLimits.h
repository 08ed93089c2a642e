#pragma once

#include <cstddef>

// The pad framework's limits. Positions on the desktop and sizes are those of the 16-bit
// window coordinates the framework was built for, so that a position plus a size, or a
// parent's position plus a child's place, never overflows; a pad is grouped at most 255 deep.
// Relative places follow from the limit on desktop positions.
constexpr int kPadPositionMin = -32768;
constexpr int kPadPositionMax = 32767;
constexpr int kPadSizeMax = 32767;
constexpr int kPadGroupDepthMax = 255;

// Input files are regular files no larger than these.
constexpr std::size_t kSceneFileLimit = std::size_t{256} << 20;
constexpr std::size_t kRegistryFileLimit = std::size_t{16} << 20;
