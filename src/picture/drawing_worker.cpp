#include "picture/drawing_worker.h"

#include "picture/fill.h"

namespace noise {

void DrawingWorker(Frame& frame, const FrameLines& lines, const GreyPalette& palette,
                   Generator& generator, const RunFlag& running, Screen& screen) {
  const int width = frame.Width();
  while (running.load(std::memory_order_acquire)) {
    FillFrame(lines, width, palette, generator);
    screen.Show(frame);
  }
}

}  // namespace noise
