#include "sound/sound.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "sound/simulated_wave_device.h"

namespace noise {
namespace {

using testing::SimulatedWaveDevice;

class SoundTest : public ::testing::Test {
 protected:
  explicit SoundTest(SimulatedWaveDevice::Options options = {}) : device(options), sound(device) {
    generator.Seed(11);
  }
  void TearDown() override {
    if (!stopped) sound.Stop();
  }
  void StartStreaming() {
    sound.Open();
    sound.Prime(generator);
    primed = sound.Buffers();
    sound.StartWorker(generator);
  }
  void Stop() {
    sound.Stop();
    stopped = true;
  }
  SimulatedWaveDevice device;
  Generator generator;
  Sound sound;
  SampleBuffers primed;
  bool stopped = false;
};

TEST_F(SoundTest, OpensTheDeviceAsSixteenBitMonoAt44100Hertz) {
  sound.Open();
  const SoundFormat format = device.OpenedFormat();
  EXPECT_EQ(format.wFormatTag, 1);
  EXPECT_EQ(format.nChannels, 1);
  EXPECT_EQ(format.nSamplesPerSec, 44100u);
  EXPECT_EQ(format.nAvgBytesPerSec, 88200u);
  EXPECT_EQ(format.nBlockAlign, 2);
  EXPECT_EQ(format.wBitsPerSample, 16);
  EXPECT_EQ(format.cbSize, 0);
  EXPECT_EQ(sound.BufferBytes(), 12800u);
}

TEST_F(SoundTest, PrimingFillsBothBuffersOnTheCallingThreadAndQueuesThemInOrder) {
  sound.Open();
  sound.Prime(generator);
  EXPECT_EQ(generator.Taken(), 2u * 6400);
  for (const auto& buffer : sound.Buffers()) {
    ASSERT_EQ(buffer.size(), 6400u);
    for (auto sample : buffer) ASSERT_LE(sample, 600);
  }
  EXPECT_EQ(device.Queued(), (std::vector<int>{0, 1}));
}

TEST_F(SoundTest, TakesTurnsStartingWithBufferOne) {
  StartStreaming();
  // The open signal gives a first turn at once: buffer 1 is rewritten while it
  // still waits, and its resubmission is refused.
  ASSERT_TRUE(device.AwaitWaiting(2));
  auto results = device.CallResults();
  EXPECT_EQ(results.writes, (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(results.write_accepted, (std::vector<bool>{true, true, false}));
  EXPECT_NE(sound.Buffers()[1], primed[1]);
  EXPECT_EQ(device.Queued(), (std::vector<int>{0, 1}));

  // From then on each completion is that of the buffer the worker refills.
  EXPECT_EQ(device.PlayNext(), 0);
  ASSERT_TRUE(device.AwaitWaiting(3));
  EXPECT_EQ(device.Queued(), (std::vector<int>{1, 0}));
  EXPECT_EQ(device.PlayNext(), 1);
  ASSERT_TRUE(device.AwaitWaiting(4));
  EXPECT_EQ(device.Queued(), (std::vector<int>{0, 1}));
  results = device.CallResults();
  EXPECT_EQ(results.writes, (std::vector<int>{0, 1, 1, 0, 1}));
  EXPECT_EQ(results.write_accepted, (std::vector<bool>{true, true, false, true, true}));

  // What is heard starts with the priming's samples and never repeats a buffer.
  const auto heard = device.Heard();
  ASSERT_EQ(heard.size(), 2u * 6400);
  EXPECT_TRUE(std::equal(primed[0].begin(), primed[0].end(), heard.begin()));
  EXPECT_FALSE(std::equal(heard.begin(), heard.begin() + 6400, heard.begin() + 6400));
  for (auto sample : heard) ASSERT_LE(sample, 600);
}

TEST_F(SoundTest, CompletionsDuringOneTurnCauseOneFurtherTurn) {
  sound.Open();
  sound.Prime(generator);
  device.HoldNextWrite();  // catches the worker at the end of its first turn
  sound.StartWorker(generator);
  ASSERT_TRUE(device.AwaitHeldWrite());
  EXPECT_EQ(device.PlayNext(), 0);
  EXPECT_EQ(device.PlayNext(), 1);
  device.ReleaseWrite();

  ASSERT_TRUE(device.AwaitWaiting(3));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(device.WaitsEntered(), 3);
  // Buffer 1 was no longer queued when the held turn resubmitted it.
  EXPECT_EQ(device.CallResults().writes, (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(device.Queued(), (std::vector<int>{1, 0}));
}

TEST_F(SoundTest, StopEndsTheWorkerBeforeTheDeviceLetsGoOfTheBuffers) {
  StartStreaming();
  for (int turn = 2; turn <= 5; ++turn) {
    ASSERT_TRUE(device.AwaitWaiting(turn));
    device.PlayNext();
  }
  Stop();
  EXPECT_TRUE(sound.WorkerEnded());
  EXPECT_FALSE(sound.Running());
  const auto results = device.CallResults();
  EXPECT_TRUE(results.reset);
  EXPECT_EQ(results.unprepared, (std::vector<bool>{true, true}));
  EXPECT_TRUE(results.closed);
  EXPECT_TRUE(device.Queued().empty());
}

class SoundWithoutDeviceTest : public SoundTest {
 protected:
  SoundWithoutDeviceTest() : SoundTest({.opens = false}) {}
};

TEST_F(SoundWithoutDeviceTest, AWorkerWaitingForADeviceThatNeverSignalsStillStops) {
  StartStreaming();
  ASSERT_TRUE(device.AwaitWaiting(1));
  Stop();
  EXPECT_TRUE(sound.WorkerEnded());
  EXPECT_FALSE(device.CallResults().closed);
}

class SoundWithoutEventTest : public SoundTest {
 protected:
  SoundWithoutEventTest() : SoundTest({.has_event = false}) {}
};

TEST_F(SoundWithoutEventTest, TheWorkerRefillsWithoutPauseUntilStopped) {
  StartStreaming();
  ASSERT_TRUE(device.AwaitWaitsEntered(50));
  EXPECT_GT(generator.Taken(), 49u * 6400);
  Stop();
  EXPECT_TRUE(sound.WorkerEnded());
  EXPECT_TRUE(device.CallResults().closed);
}

}  // namespace
}  // namespace noise
