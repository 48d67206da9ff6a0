#pragma once

#include <cstdint>
#include <vector>

#include "picture/frame.h"

namespace noise {

// The address of every row, top row first, fetched once so that filling a frame
// never asks the platform for a row.
using FrameLines = std::vector<std::uint8_t*>;

FrameLines MakeFrameLines(Frame& frame);

}  // namespace noise
