#include "picture/palette.h"

namespace noise {

GreyPalette MakeGreyPalette() {
  GreyPalette palette{};
  for (int level = 0; level < 256; ++level) {
    const auto byte = static_cast<std::uint8_t>(level);
    palette[static_cast<std::size_t>(level)] = {byte, byte, byte};
  }
  return palette;
}

}  // namespace noise
