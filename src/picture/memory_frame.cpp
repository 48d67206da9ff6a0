#include "picture/memory_frame.h"

namespace noise {

MemoryFrame::MemoryFrame(int width, int height)
    : width_(width),
      height_(height),
      memory_(RowStride(width) * static_cast<std::size_t>(height > 0 ? height : 0)) {}

std::uint8_t* MemoryFrame::Row(int row) {
  return memory_.data() + RowStride(width_) * static_cast<std::size_t>(height_ - 1 - row);
}

}  // namespace noise
