#pragma once

#include <cstdint>
#include <vector>

#include "picture/frame.h"

namespace noise {

// A frame in ordinary memory laid out as a bottom-up device-independent bitmap:
// the bottom row first, each row padded to four bytes.
class MemoryFrame : public Frame {
 public:
  MemoryFrame(int width, int height);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::uint8_t* Row(int row) override;

  // Every byte, padding included, bottom row first.
  std::vector<std::uint8_t>& Memory() { return memory_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> memory_;
};

}  // namespace noise
