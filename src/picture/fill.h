#pragma once

#include "common/random.h"
#include "picture/frame_lines.h"
#include "picture/palette.h"

namespace noise {

// Gives every pixel of the frame a fresh grey level: one draw per pixel, top row
// first, left to right. Bytes past the last pixel of a row are never written.
void FillFrame(const FrameLines& lines, int width, const GreyPalette& palette,
               Generator& generator);

}  // namespace noise
