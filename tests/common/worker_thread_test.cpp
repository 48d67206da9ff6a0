#include "common/worker_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace noise {
namespace {

using namespace std::chrono_literals;

TEST(WorkerThread, ReportsTheEndOfItsBody) {
  std::atomic<int> turns{0};
  WorkerThread worker;
  worker.Start([&] { turns = 3; });
  EXPECT_TRUE(worker.WaitForEnd(5s));
  EXPECT_TRUE(worker.Ended());
  EXPECT_EQ(turns, 3);
}

TEST(WorkerThread, ANeverStartedWorkerHasEnded) {
  WorkerThread worker;
  EXPECT_TRUE(worker.Ended());
  EXPECT_TRUE(worker.WaitForEnd(0ms));
}

TEST(WorkerThread, ABodyThatOutlivesTheBoundIsLetGoSafely) {
  auto release = std::make_shared<std::atomic<bool>>(false);
  auto finished = std::make_shared<std::atomic<bool>>(false);
  {
    WorkerThread worker;
    worker.Start([release, finished] {
      while (!*release) std::this_thread::yield();
      *finished = true;
    });
    EXPECT_FALSE(worker.WaitForEnd(20ms));
    EXPECT_FALSE(worker.Ended());
  }  // let go while still running
  *release = true;
  while (!*finished) std::this_thread::yield();
}

}  // namespace
}  // namespace noise
