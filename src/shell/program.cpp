#include "shell/program.h"

#include <utility>

#include "picture/drawing_worker.h"

namespace noise {

Program::Program(ShellPlatform& shell, WaveDevice& device, Generator& generator,
                 std::function<std::uint64_t()> seed_source)
    : shell_(shell),
      device_(device),
      generator_(generator),
      seed_source_(std::move(seed_source)),
      sound_(device) {}

bool Program::StartUp() {
  frame_ = shell_.CreateFrame();
  if (!frame_) return false;
  lines_ = MakeFrameLines(*frame_);
  palette_ = MakeGreyPalette();

  shell_.RegisterWindowClass();
  shell_.CreateHiddenWindow(frame_->Width(), frame_->Height());

  sound_.Open();
  generator_.Seed(seed_source_());
  sound_.Prime(generator_);
  sound_.StartWorker(generator_);

  picture_running_.store(true, std::memory_order_release);
  drawing_worker_.Start(
      [this] { DrawingWorker(*frame_, lines_, palette_, generator_, picture_running_, shell_); });

  shell_.ShowMaximized();
  return true;
}

void Program::ShutDown() {
  // Several destroy notifications can arrive before the quit message.
  if (shut_down_) return;
  shut_down_ = true;

  picture_running_.store(false, std::memory_order_release);
  sound_.Stop();
  // The frame is let go only once the worker has left it; the frame in hand is
  // finished and shown first.
  if (drawing_worker_.WaitForEnd(kDrawingEndBound)) frame_.reset();
  shell_.RedrawAllWindows();
  shell_.PostQuit();
}

bool Program::WorkersEnded() const { return drawing_worker_.Ended() && sound_.WorkerEnded(); }

}  // namespace noise
