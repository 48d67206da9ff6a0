#include "common/worker_thread.h"

#include <utility>

namespace noise {

WorkerThread::~WorkerThread() {
  if (!thread_.joinable()) return;
  if (Ended()) {
    thread_.join();
  } else {
    thread_.detach();
  }
}

void WorkerThread::Start(std::function<void()> body) {
  signal_ = std::make_shared<EndSignal>();
  // The thread holds its own share of the signal, so a thread that was let go
  // can still report its end safely.
  thread_ = std::thread([signal = signal_, body = std::move(body)] {
    body();
    std::lock_guard lock(signal->mutex);
    signal->ended = true;
    signal->ended_changed.notify_all();
  });
}

bool WorkerThread::WaitForEnd(std::chrono::milliseconds bound) {
  if (!signal_) return true;
  std::unique_lock lock(signal_->mutex);
  return signal_->ended_changed.wait_for(lock, bound, [this] { return signal_->ended; });
}

bool WorkerThread::Ended() const {
  if (!signal_) return true;
  std::lock_guard lock(signal_->mutex);
  return signal_->ended;
}

}  // namespace noise
