#pragma once

#include <windows.h>
// mmsystem.h needs the types windows.h declares.
#include <mmsystem.h>

#include "sound/wave_device.h"

namespace noise {

// Waveform-audio output device 0, with an event as its callback so that no work
// ever runs inside the driver's notification.
class WaveOut : public WaveDevice {
 public:
  WaveOut() = default;
  WaveOut(const WaveOut&) = delete;
  WaveOut& operator=(const WaveOut&) = delete;

  void Open(const SoundFormat& format) override;
  void Prepare(int index, std::uint16_t* samples, std::uint32_t bytes) override;
  void Write(int index) override;
  void Reset() override;
  void Unprepare(int index) override;
  void Close() override;
  void WaitForBufferDone() override;
  void SignalBufferDone() override;

 private:
  static constexpr UINT kHeaderSize = sizeof(WAVEHDR);

  HANDLE BufferDoneEvent = nullptr;
  HWAVEOUT SoundDevice = nullptr;
  WAVEHDR SoundHeaders[2] = {};
};

}  // namespace noise
