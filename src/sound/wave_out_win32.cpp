#include "sound/wave_out_win32.h"

namespace noise {

// The sizes the 32-bit interface documents for these records.
static_assert(sizeof(void*) != 4 || sizeof(WAVEHDR) == 32);
static_assert(sizeof(void*) != 4 || sizeof(WAVEFORMATEX) == 18);

void WaveOut::Open(const SoundFormat& format) {
  BufferDoneEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  WAVEFORMATEX wave_format{};
  wave_format.wFormatTag = format.wFormatTag;
  wave_format.nChannels = format.nChannels;
  wave_format.nSamplesPerSec = format.nSamplesPerSec;
  wave_format.nAvgBytesPerSec = format.nAvgBytesPerSec;
  wave_format.nBlockAlign = format.nBlockAlign;
  wave_format.wBitsPerSample = format.wBitsPerSample;
  wave_format.cbSize = format.cbSize;
  // Device 0 itself, not the wave mapper.
  waveOutOpen(&SoundDevice, 0, &wave_format, reinterpret_cast<DWORD_PTR>(BufferDoneEvent), 0,
              CALLBACK_EVENT);
}

void WaveOut::Prepare(int index, std::uint16_t* samples, std::uint32_t bytes) {
  WAVEHDR& header = SoundHeaders[index];
  header = WAVEHDR{};
  header.lpData = reinterpret_cast<LPSTR>(samples);
  header.dwBufferLength = bytes;
  waveOutPrepareHeader(SoundDevice, &header, kHeaderSize);
}

void WaveOut::Write(int index) {
  // The device refuses a header that is still queued, so a resubmission of one
  // is harmless.
  waveOutWrite(SoundDevice, &SoundHeaders[index], kHeaderSize);
}

void WaveOut::Reset() { waveOutReset(SoundDevice); }

void WaveOut::Unprepare(int index) {
  waveOutUnprepareHeader(SoundDevice, &SoundHeaders[index], kHeaderSize);
}

void WaveOut::Close() { waveOutClose(SoundDevice); }

// Without an event every wait returns at once.
void WaveOut::WaitForBufferDone() { WaitForSingleObject(BufferDoneEvent, INFINITE); }

void WaveOut::SignalBufferDone() { SetEvent(BufferDoneEvent); }

}  // namespace noise
