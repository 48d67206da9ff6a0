#include "sound/sound.h"

#include "sound/sample_rule.h"

namespace noise {

void Sound::Open() {
  bits_per_sample_ = 16;
  const std::uint32_t bytes_per_sample = bits_per_sample_ / 8u;
  buffer_bytes_ = bytes_per_sample * kSamplesPerBuffer * kChannels;
  format_ = {
      .wFormatTag = kPcmFormat,
      .nChannels = kChannels,
      .nSamplesPerSec = kSampleRate,
      .nAvgBytesPerSec = kChannels * kSampleRate * bits_per_sample_ / 8u,
      .nBlockAlign = static_cast<std::uint16_t>(bytes_per_sample * kChannels),
      .wBitsPerSample = bits_per_sample_,
      .cbSize = 0,
  };
  device_.Open(format_);
}

void Sound::Prime(Generator& generator) {
  const std::size_t samples = buffer_bytes_ / (bits_per_sample_ / 8u);
  for (int index = 0; index < 2; ++index) {
    auto& buffer = buffers_[static_cast<std::size_t>(index)];
    buffer.assign(samples, 0);
    device_.Prepare(index, buffer.data(), buffer_bytes_);
    FillSamples(buffer, generator);
  }
  device_.Write(0);
  device_.Write(1);
}

void Sound::StartWorker(Generator& generator) {
  running_.store(true, std::memory_order_release);
  worker_.Start([this, &generator] { SoundWorker(device_, buffers_, generator, running_); });
}

void Sound::Stop() {
  running_.store(false, std::memory_order_release);
  // A device that never opened never signals: wake a waiting worker ourselves.
  device_.SignalBufferDone();
  worker_.WaitForEnd(kWorkerEndBound);
  device_.Reset();
  device_.Unprepare(0);
  device_.Unprepare(1);
  device_.Close();
}

}  // namespace noise
