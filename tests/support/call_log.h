#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace noise::testing {

// Calls of the platform in the order they were made, with the thread that made each.
class CallLog {
 public:
  struct Entry {
    std::thread::id thread;
    std::string call;
  };

  void Record(std::string call) {
    std::lock_guard lock(mutex_);
    entries_.push_back({std::this_thread::get_id(), std::move(call)});
  }

  std::vector<Entry> Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
  }

  std::vector<std::string> CallsOn(std::thread::id thread) const {
    std::vector<std::string> calls;
    for (const auto& entry : Entries()) {
      if (entry.thread == thread) calls.push_back(entry.call);
    }
    return calls;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
};

}  // namespace noise::testing
