#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace noise {

// A thread whose end can be awaited with a bound. One that outlives the bound is
// let go and runs on until the process ends; whoever owns what it touches must
// then keep that alive too.
class WorkerThread {
 public:
  WorkerThread() = default;
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;
  ~WorkerThread();

  void Start(std::function<void()> body);
  // True once the body has returned (at once if it never started).
  bool WaitForEnd(std::chrono::milliseconds bound);
  bool Ended() const;

 private:
  struct EndSignal {
    std::mutex mutex;
    std::condition_variable ended_changed;
    bool ended = false;
  };
  std::shared_ptr<EndSignal> signal_;
  std::thread thread_;
};

}  // namespace noise
