#include "picture/drawing_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "picture/memory_frame.h"

namespace noise {
namespace {

// Counts the frames shown and checks that each one is whole and grey.
class CountingScreen : public Screen {
 public:
  std::function<void(int shows)> on_show = [](int) {};

  void Show(Frame& frame) override {
    for (int row = 0; row < frame.Height(); ++row) {
      const std::uint8_t* line = frame.Row(row);
      for (int column = 0; column < frame.Width(); ++column) {
        if (line[3 * column] != line[3 * column + 1] || line[3 * column] != line[3 * column + 2]) {
          ++not_grey;
        }
      }
    }
    on_show(++shows);
  }
  std::atomic<int> shows{0};
  std::atomic<int> not_grey{0};
};

class DrawingWorkerTest : public ::testing::Test {
 protected:
  void SetUp() override { generator.Seed(7); }
  void Run(MemoryFrame& frame) {
    const FrameLines lines = MakeFrameLines(frame);
    DrawingWorker(frame, lines, palette, generator, running, screen);
  }
  Generator generator;
  GreyPalette palette = MakeGreyPalette();
  RunFlag running{true};
  CountingScreen screen;
};

TEST_F(DrawingWorkerTest, TestsItsFlagBeforeTheFirstFrame) {
  MemoryFrame frame(4, 4);
  running = false;
  Run(frame);
  EXPECT_EQ(screen.shows, 0);
  EXPECT_EQ(generator.Taken(), 0u);
}

TEST_F(DrawingWorkerTest, ShowsEachFrameOnceAndTestsItsFlagBeforeEveryFrame) {
  MemoryFrame frame(5, 3);
  screen.on_show = [this](int shows) {
    if (shows == 4) running = false;
  };
  Run(frame);
  EXPECT_EQ(screen.shows, 4);
  EXPECT_EQ(screen.not_grey, 0);
  EXPECT_EQ(generator.Taken(), 4u * 5 * 3);
}

TEST_F(DrawingWorkerTest, AFrameInProgressWhenTheFlagClearsIsFinishedAndShown) {
  MemoryFrame frame(1500, 1000);
  std::thread worker([&] { Run(frame); });
  while (screen.shows == 0) std::this_thread::yield();
  // Some way into the second frame.
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  running = false;
  worker.join();
  EXPECT_GE(screen.shows, 1);
  EXPECT_EQ(generator.Taken(), static_cast<std::uint64_t>(screen.shows) * 1500 * 1000);
}

}  // namespace
}  // namespace noise
