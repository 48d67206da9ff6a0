#pragma once

#include <array>
#include <cstdint>

namespace noise {

// One pixel in the frame's byte order.
struct GreyPixel {
  std::uint8_t blue;
  std::uint8_t green;
  std::uint8_t red;
};
static_assert(sizeof(GreyPixel) == 3);

// Entry i is the grey (i, i, i), for all 256 levels.
using GreyPalette = std::array<GreyPixel, 256>;

GreyPalette MakeGreyPalette();

}  // namespace noise
