#pragma once

#include <cstdint>

// The embedded basemap, written by tools/BasemapCompiler.cpp and read by Basemap.cpp:
//   "MLBM", u32 version, u32 layer count; per layer: u8 layer, u32 path count;
//   per path: u32 point count, then x and y as zig-zag varint deltas from the previous point
//   (the first from 0), in world units times quantization.
// Integers little-endian. Paths of fill layers are closed rings filled even-odd.
namespace marklode::map::basemap_format {

inline constexpr char magic[4] = {'M', 'L', 'B', 'M'};
inline constexpr std::uint32_t version = 1;
// 2^24 steps across the world: finer than a pixel up to zoom 16, beyond the sources' detail.
inline constexpr double quantization = 16777216.0;

enum class Layer : std::uint8_t {
    landCoarse = 0, // filled
    landFine = 1,   // filled
    borders = 2,    // lines
};

} // namespace marklode::map::basemap_format
