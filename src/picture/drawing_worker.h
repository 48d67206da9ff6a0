#pragma once

#include "common/random.h"
#include "common/run_flag.h"
#include "picture/frame.h"
#include "picture/frame_lines.h"
#include "picture/palette.h"

namespace noise {

// Fills and shows frames, as fast as it can and without pause, until it finds
// `running` false before a frame. A frame once begun is always finished and shown.
void DrawingWorker(Frame& frame, const FrameLines& lines, const GreyPalette& palette,
                   Generator& generator, const RunFlag& running, Screen& screen);

}  // namespace noise
