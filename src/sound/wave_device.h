#pragma once

#include <cstdint>

#include "sound/sound_format.h"

namespace noise {

// What the sound needs of an audio output: a queue that plays two buffers in the
// order they are handed over, a signal each time one is done, and a reset.
// Results are not reported: the sound carries on the same whatever the device does.
class WaveDevice {
 public:
  virtual ~WaveDevice() = default;

  // Makes the completion signal and opens the first output device with it.
  // The signal fires at open, for every buffer done (also each one a reset
  // returns) and at close.
  virtual void Open(const SoundFormat& format) = 0;
  // Ties buffer `index` (0 or 1) to its samples, for the life of the device.
  virtual void Prepare(int index, std::uint16_t* samples, std::uint32_t bytes) = 0;
  // Queues the buffer behind those queued before it; a buffer that is still
  // queued is refused and nothing changes.
  virtual void Write(int index) = 0;
  // Stops playing and returns every queued buffer at once.
  virtual void Reset() = 0;
  virtual void Unprepare(int index) = 0;
  virtual void Close() = 0;

  // Waits, with no time limit, for the completion signal; the signal carries no
  // count, so several completions wake one wait.
  virtual void WaitForBufferDone() = 0;
  // Fires the completion signal by hand.
  virtual void SignalBufferDone() = 0;
};

}  // namespace noise
