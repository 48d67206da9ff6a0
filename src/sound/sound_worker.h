#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/random.h"
#include "common/run_flag.h"
#include "sound/wave_device.h"

namespace noise {

using SampleBuffers = std::array<std::vector<std::uint16_t>, 2>;

// Keeps the device fed: each time it signals, refills the buffer it holds the
// index of and queues it again, starting with buffer 1.
void SoundWorker(WaveDevice& device, SampleBuffers& buffers, Generator& generator,
                 const RunFlag& running);

}  // namespace noise
