#include "shell/program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "picture/memory_frame.h"
#include "sound/simulated_wave_device.h"
#include "support/call_log.h"

namespace noise {
namespace {

using testing::CallLog;
using testing::SimulatedWaveDevice;

// A window manager that records what the start-up and the shut-down ask of it.
class RecordingShell : public ShellPlatform {
 public:
  explicit RecordingShell(CallLog& log) : log_(log) {}

  class RecordedFrame : public MemoryFrame {
   public:
    RecordedFrame(RecordingShell& shell) : MemoryFrame(8, 6), shell_(shell) {}
    ~RecordedFrame() override {
      shell_.frame_alive = false;
      shell_.log_.Record("FreeFrame");
    }

   private:
    RecordingShell& shell_;
  };

  std::unique_ptr<Frame> CreateFrame() override {
    log_.Record("CreateFrame");
    if (!can_make_frame) return nullptr;
    frame_alive = true;
    return std::make_unique<RecordedFrame>(*this);
  }
  void RegisterWindowClass() override { log_.Record("RegisterWindowClass"); }
  void CreateHiddenWindow(int width, int height) override {
    log_.Record("CreateHiddenWindow " + std::to_string(width) + "x" + std::to_string(height));
  }
  void ShowMaximized() override { log_.Record("ShowMaximized"); }
  void RedrawAllWindows() override { log_.Record("RedrawAllWindows"); }
  void PostQuit() override { log_.Record("PostQuit"); }
  void Show(Frame&) override {
    if (!frame_alive) ++shown_after_free;
    ++shows;
  }

  bool can_make_frame = true;
  std::atomic<bool> frame_alive{false};
  std::atomic<int> shows{0};
  std::atomic<int> shown_after_free{0};

 private:
  CallLog& log_;
};

class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(SimulatedWaveDevice::Options options = {})
      : shell(log), device(options, &log), program(shell, device, generator, [this] {
          log.Record("Seed");
          return std::uint64_t{2024};
        }) {}

  std::vector<std::string> MainThreadCalls() const {
    return log.CallsOn(std::this_thread::get_id());
  }
  void AwaitShows(int count) {
    while (shell.shows < count) std::this_thread::yield();
  }

  CallLog log;
  RecordingShell shell;
  SimulatedWaveDevice device;
  Generator generator;
  Program program;
};

TEST_F(ProgramTest, StartsUpAndShutsDownInOrder) {
  ASSERT_TRUE(program.StartUp());
  EXPECT_EQ(MainThreadCalls(),
            (std::vector<std::string>{"CreateFrame", "RegisterWindowClass",
                                      "CreateHiddenWindow 8x6", "Open", "Seed", "Prepare 0",
                                      "Prepare 1", "Write 0", "Write 1", "ShowMaximized"}));
  AwaitShows(3);
  ASSERT_TRUE(device.AwaitWaiting(2));

  const std::size_t before = MainThreadCalls().size();
  program.ShutDown();
  const auto calls = MainThreadCalls();
  EXPECT_EQ(
      std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()),
      (std::vector<std::string>{"SignalBufferDone", "Reset", "Unprepare 0", "Unprepare 1", "Close",
                                "FreeFrame", "RedrawAllWindows", "PostQuit"}));
  EXPECT_TRUE(program.WorkersEnded());
  EXPECT_EQ(shell.shown_after_free, 0);
  const auto results = device.CallResults();
  EXPECT_EQ(results.unprepared, (std::vector<bool>{true, true}));
  EXPECT_TRUE(results.closed);

  // Nothing a worker did came after the device began to let go.
  const auto entries = log.Entries();
  bool reset_seen = false;
  for (const auto& entry : entries) {
    reset_seen |= entry.call == "Reset";
    if (reset_seen) {
      EXPECT_EQ(entry.thread, std::this_thread::get_id()) << entry.call;
    }
  }
}

TEST_F(ProgramTest, ShutsDownAtMostOnce) {
  ASSERT_TRUE(program.StartUp());
  program.ShutDown();
  const auto after_first = log.Entries().size();
  program.ShutDown();
  program.ShutDown();
  EXPECT_EQ(log.Entries().size(), after_first);
}

TEST_F(ProgramTest, WithoutAFrameNothingStarts) {
  shell.can_make_frame = false;
  EXPECT_FALSE(program.StartUp());
  EXPECT_EQ(MainThreadCalls(), (std::vector<std::string>{"CreateFrame"}));
  EXPECT_TRUE(program.WorkersEnded());
}

TEST_F(ProgramTest, TheFirstSoundHeardIsPrimedBeforeEitherWorkerStarts) {
  ASSERT_TRUE(program.StartUp());
  ASSERT_TRUE(device.AwaitWaiting(2));
  ASSERT_EQ(device.PlayNext(), 0);
  Generator reference;
  reference.Seed(2024);
  // Draws 0..6399 belong to buffer 0, made on the main thread right after seeding.
  const auto heard = device.Heard();
  for (std::size_t i = 0; i < 6400; ++i) {
    ASSERT_EQ(heard[i], static_cast<std::uint16_t>(std::floor(reference.RealAt(i) * 600.0L + 0.5L)))
        << i;
  }
  program.ShutDown();
}

class ProgramWithoutSoundTest : public ProgramTest {
 protected:
  ProgramWithoutSoundTest() : ProgramTest({.opens = false}) {}
};

TEST_F(ProgramWithoutSoundTest, ThePictureRunsAndTheShutDownCompletes) {
  ASSERT_TRUE(program.StartUp());
  AwaitShows(5);
  program.ShutDown();
  EXPECT_TRUE(program.WorkersEnded());
  EXPECT_EQ(MainThreadCalls().back(), "PostQuit");
}

}  // namespace
}  // namespace noise
