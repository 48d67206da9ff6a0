#include "sound/sound_worker.h"

#include "sound/sample_rule.h"

namespace noise {

void SoundWorker(WaveDevice& device, SampleBuffers& buffers, Generator& generator,
                 const RunFlag& running) {
  // The open signal is already pending, so the first turn comes at once and
  // rewrites buffer 1 while it still waits behind buffer 0. Its resubmission is
  // refused by the device and changes nothing; from then on every signal is the
  // completion of the buffer whose index the worker holds.
  int index = 1;
  while (running.load(std::memory_order_acquire)) {
    device.WaitForBufferDone();
    FillSamples(buffers[static_cast<std::size_t>(index)], generator);
    device.Write(index);
    index ^= 1;
  }
}

}  // namespace noise
