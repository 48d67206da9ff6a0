#include "picture/fill.h"

#include <algorithm>
#include <cstring>

namespace noise {

void FillFrame(const FrameLines& lines, int width, const GreyPalette& palette,
               Generator& generator) {
  if (width <= 0 || lines.empty()) return;
  const auto columns = static_cast<std::uint64_t>(width);
  // One reservation per frame: the draw for (row, column) sits at
  // first + row * width + column.
  std::uint64_t position = generator.Reserve(columns * lines.size());

  constexpr std::size_t kChunk = 4096;
  std::uint8_t levels[kChunk];
  for (std::uint8_t* row : lines) {
    std::uint8_t* pixel = row;
    for (std::uint64_t done = 0; done < columns;) {
      const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, columns - done));
      generator.LevelsAt(position, levels, count);
      for (std::size_t i = 0; i < count; ++i, pixel += 3) {
        std::memcpy(pixel, &palette[levels[i]], 3);
      }
      position += count;
      done += count;
    }
  }
}

}  // namespace noise
