#include "sound/simulated_wave_device.h"

#include <algorithm>

namespace noise::testing {

SimulatedWaveDevice::SimulatedWaveDevice(Options options, CallLog* log)
    : options_(options), log_(log) {}

void SimulatedWaveDevice::Log(const std::string& call) {
  if (log_ != nullptr) log_->Record(call);
}

void SimulatedWaveDevice::SignalLocked() {
  if (!options_.has_event) return;
  signalled_ = true;
  changed_.notify_all();
}

bool SimulatedWaveDevice::IsQueuedLocked(int index) const {
  return std::find(queue_.begin(), queue_.end(), index) != queue_.end();
}

void SimulatedWaveDevice::Open(const SoundFormat& format) {
  Log("Open");
  std::lock_guard lock(mutex_);
  format_ = format;
  if (!options_.opens) return;
  open_ = true;
  SignalLocked();
}

void SimulatedWaveDevice::Prepare(int index, std::uint16_t* samples, std::uint32_t bytes) {
  Log("Prepare " + std::to_string(index));
  std::lock_guard lock(mutex_);
  if (!open_) return;
  data_[index] = samples;
  bytes_[index] = bytes;
  prepared_[index] = true;
}

void SimulatedWaveDevice::Write(int index) {
  Log("Write " + std::to_string(index));
  std::unique_lock lock(mutex_);
  if (hold_write_) {
    hold_write_ = false;
    write_held_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !write_held_; });
  }
  const bool accepted = open_ && prepared_[index] && !IsQueuedLocked(index);
  if (accepted) queue_.push_back(index);
  results_.writes.push_back(index);
  results_.write_accepted.push_back(accepted);
}

void SimulatedWaveDevice::Reset() {
  Log("Reset");
  std::lock_guard lock(mutex_);
  results_.reset = open_;
  if (!open_) return;
  for (std::size_t i = 0; i < queue_.size(); ++i) SignalLocked();
  queue_.clear();
}

void SimulatedWaveDevice::Unprepare(int index) {
  Log("Unprepare " + std::to_string(index));
  std::lock_guard lock(mutex_);
  // A buffer that is still queued cannot be let go.
  const bool done = open_ && !IsQueuedLocked(index);
  if (done) prepared_[index] = false;
  results_.unprepared.push_back(done);
}

void SimulatedWaveDevice::Close() {
  Log("Close");
  std::lock_guard lock(mutex_);
  const bool done = open_ && queue_.empty();
  if (done) {
    open_ = false;
    SignalLocked();
  }
  results_.closed = done;
}

void SimulatedWaveDevice::WaitForBufferDone() {
  std::unique_lock lock(mutex_);
  ++waits_entered_;
  changed_.notify_all();
  if (!options_.has_event) return;
  waiting_ = true;
  changed_.wait(lock, [this] { return signalled_; });
  signalled_ = false;
  waiting_ = false;
}

void SimulatedWaveDevice::SignalBufferDone() {
  Log("SignalBufferDone");
  std::lock_guard lock(mutex_);
  SignalLocked();
}

int SimulatedWaveDevice::PlayNext() {
  std::lock_guard lock(mutex_);
  if (queue_.empty()) return -1;
  const int index = queue_.front();
  queue_.pop_front();
  const std::uint16_t* samples = data_[index];
  heard_.insert(heard_.end(), samples, samples + bytes_[index] / sizeof(std::uint16_t));
  SignalLocked();
  return index;
}

bool SimulatedWaveDevice::AwaitWaiting(int count, std::chrono::milliseconds bound) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, bound,
                           [&] { return waits_entered_ >= count && waiting_ && !signalled_; });
}

bool SimulatedWaveDevice::AwaitWaitsEntered(int count, std::chrono::milliseconds bound) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, bound, [&] { return waits_entered_ >= count; });
}

void SimulatedWaveDevice::HoldNextWrite() {
  std::lock_guard lock(mutex_);
  hold_write_ = true;
}

bool SimulatedWaveDevice::AwaitHeldWrite(std::chrono::milliseconds bound) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, bound, [this] { return write_held_; });
}

void SimulatedWaveDevice::ReleaseWrite() {
  std::lock_guard lock(mutex_);
  write_held_ = false;
  changed_.notify_all();
}

std::vector<std::uint16_t> SimulatedWaveDevice::Heard() const {
  std::lock_guard lock(mutex_);
  return heard_;
}

std::vector<int> SimulatedWaveDevice::Queued() const {
  std::lock_guard lock(mutex_);
  return {queue_.begin(), queue_.end()};
}

int SimulatedWaveDevice::WaitsEntered() const {
  std::lock_guard lock(mutex_);
  return waits_entered_;
}

SoundFormat SimulatedWaveDevice::OpenedFormat() const {
  std::lock_guard lock(mutex_);
  return format_;
}

SimulatedWaveDevice::Results SimulatedWaveDevice::CallResults() const {
  std::lock_guard lock(mutex_);
  return results_;
}

}  // namespace noise::testing
