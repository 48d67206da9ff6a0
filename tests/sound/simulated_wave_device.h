#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "sound/wave_device.h"
#include "support/call_log.h"

namespace noise::testing {

// An audio output that does what the sound relies on, played by the test one
// buffer at a time: it plays buffers in the order queued, signals at open, for
// each buffer done (also each one a reset returns) and at close, refuses a
// buffer that is still queued, and returns every queued buffer on reset.
class SimulatedWaveDevice : public WaveDevice {
 public:
  struct Options {
    bool opens = true;      // false: the device cannot be opened
    bool has_event = true;  // false: the completion event cannot be made
  };
  // What each call did; a refused or failed call is recorded as false.
  struct Results {
    std::vector<int> writes;  // every index the sound tried to queue
    std::vector<bool> write_accepted;
    bool reset = false;
    std::vector<bool> unprepared;
    bool closed = false;
  };

  SimulatedWaveDevice() : SimulatedWaveDevice(Options{}) {}
  explicit SimulatedWaveDevice(Options options, CallLog* log = nullptr);

  void Open(const SoundFormat& format) override;
  void Prepare(int index, std::uint16_t* samples, std::uint32_t bytes) override;
  void Write(int index) override;
  void Reset() override;
  void Unprepare(int index) override;
  void Close() override;
  void WaitForBufferDone() override;
  void SignalBufferDone() override;

  // Plays the buffer at the head of the queue and signals its completion.
  // Returns its index, or -1 when nothing is queued.
  int PlayNext();
  // Waits until a worker has entered its wait `count` times in all and is
  // blocked in the last of them.
  bool AwaitWaiting(int count, std::chrono::milliseconds bound = std::chrono::seconds(10));
  // Waits until at least `count` waits have been entered (for a device
  // without an event, where waits return at once).
  bool AwaitWaitsEntered(int count, std::chrono::milliseconds bound = std::chrono::seconds(10));
  // The next Write blocks until ReleaseWrite; AwaitHeldWrite waits for it to be reached.
  void HoldNextWrite();
  bool AwaitHeldWrite(std::chrono::milliseconds bound = std::chrono::seconds(10));
  void ReleaseWrite();

  std::vector<std::uint16_t> Heard() const;
  std::vector<int> Queued() const;
  int WaitsEntered() const;
  SoundFormat OpenedFormat() const;
  Results CallResults() const;

 private:
  void SignalLocked();
  bool IsQueuedLocked(int index) const;
  void Log(const std::string& call);

  const Options options_;
  CallLog* const log_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
  bool signalled_ = false;
  bool waiting_ = false;
  int waits_entered_ = 0;
  bool hold_write_ = false;
  bool write_held_ = false;
  SoundFormat format_{};
  std::uint16_t* data_[2] = {nullptr, nullptr};
  std::uint32_t bytes_[2] = {0, 0};
  bool prepared_[2] = {false, false};
  std::deque<int> queue_;
  std::vector<std::uint16_t> heard_;
  Results results_;
};

}  // namespace noise::testing
