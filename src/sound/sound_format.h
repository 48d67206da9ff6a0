#pragma once

#include <cstdint>

namespace noise {

// The output format, field for field as the waveform-audio interface takes it.
struct SoundFormat {
  std::uint16_t wFormatTag;
  std::uint16_t nChannels;
  std::uint32_t nSamplesPerSec;
  std::uint32_t nAvgBytesPerSec;
  std::uint16_t nBlockAlign;
  std::uint16_t wBitsPerSample;
  std::uint16_t cbSize;
};

inline constexpr std::uint16_t kPcmFormat = 1;
inline constexpr std::uint16_t kChannels = 1;
inline constexpr std::uint32_t kSampleRate = 44100;
inline constexpr std::uint32_t kSamplesPerBuffer = 6400;

}  // namespace noise
