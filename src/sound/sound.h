#pragma once

#include <chrono>
#include <cstdint>

#include "common/random.h"
#include "common/run_flag.h"
#include "common/worker_thread.h"
#include "sound/sound_format.h"
#include "sound/sound_worker.h"
#include "sound/wave_device.h"

namespace noise {

// The noise sound: the format, the two sample buffers and the worker that keeps
// the device fed, in the steps the start-up and the shut-down call.
class Sound {
 public:
  static constexpr std::chrono::milliseconds kWorkerEndBound{1000};

  explicit Sound(WaveDevice& device) : device_(device) {}

  void Open();
  // Makes, prepares and fills both buffers on the calling thread, then queues
  // buffer 0 and buffer 1.
  void Prime(Generator& generator);
  void StartWorker(Generator& generator);
  // Stops the worker before the device lets go of the buffers, so that no buffer
  // is still queued when the headers are unprepared and the device is closed.
  void Stop();

  // False only when the worker outlived its bound; the buffers must then stay.
  bool WorkerEnded() const { return worker_.Ended(); }

  std::uint32_t BufferBytes() const { return buffer_bytes_; }
  const SampleBuffers& Buffers() const { return buffers_; }
  const RunFlag& Running() const { return running_; }

 private:
  WaveDevice& device_;
  std::uint16_t bits_per_sample_ = 0;
  std::uint32_t buffer_bytes_ = 0;
  SoundFormat format_{};
  SampleBuffers buffers_;
  RunFlag running_{false};
  WorkerThread worker_;
};

}  // namespace noise
