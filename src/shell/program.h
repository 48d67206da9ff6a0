#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "common/random.h"
#include "common/run_flag.h"
#include "common/worker_thread.h"
#include "picture/frame.h"
#include "picture/frame_lines.h"
#include "picture/palette.h"
#include "shell/shell_platform.h"
#include "sound/sound.h"
#include "sound/wave_device.h"

namespace noise {

// The start-up and the shut-down, in their fixed order, over whatever platform
// the program runs on.
class Program {
 public:
  // Long enough for one frame of a large screen to be filled and shown.
  static constexpr std::chrono::milliseconds kDrawingEndBound{3000};

  Program(ShellPlatform& shell, WaveDevice& device, Generator& generator,
          std::function<std::uint64_t()> seed_source = SeedFromClock);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Everything up to showing the window. False, with nothing started, when no
  // frame can be made.
  bool StartUp();
  // Stops the sound and the picture and lets go of the frame; runs once, later
  // calls do nothing.
  void ShutDown();

  // False while a worker that outlived its bound may still use what this owns:
  // the program must then be kept, not destroyed, until the process ends.
  bool WorkersEnded() const;

 private:
  ShellPlatform& shell_;
  WaveDevice& device_;
  Generator& generator_;
  std::function<std::uint64_t()> seed_source_;

  std::unique_ptr<Frame> frame_;
  FrameLines lines_;
  GreyPalette palette_{};
  RunFlag picture_running_{false};
  WorkerThread drawing_worker_;
  Sound sound_;
  bool shut_down_ = false;
};

}  // namespace noise
