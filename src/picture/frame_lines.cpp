#include "picture/frame_lines.h"

namespace noise {

FrameLines MakeFrameLines(Frame& frame) {
  FrameLines lines;
  lines.reserve(static_cast<std::size_t>(frame.Height() > 0 ? frame.Height() : 0));
  for (int row = 0; row < frame.Height(); ++row) lines.push_back(frame.Row(row));
  return lines;
}

}  // namespace noise
