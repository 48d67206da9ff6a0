#pragma once

#include <cstddef>
#include <cstdint>

namespace noise {

// A 24-bit picture (blue, green, red) whose rows stay at the same addresses for
// the frame's whole life, whatever order the platform keeps them in memory.
class Frame {
 public:
  virtual ~Frame() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // First byte of `row`, counted from the top of the picture.
  virtual std::uint8_t* Row(int row) = 0;
};

// Bytes from one row to the next: three per pixel, rounded up to four.
constexpr std::size_t RowStride(int width) {
  return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

// Where finished frames go: the program's window.
class Screen {
 public:
  virtual ~Screen() = default;
  // Copies the whole frame to the window's top-left corner.
  virtual void Show(Frame& frame) = 0;
};

}  // namespace noise
