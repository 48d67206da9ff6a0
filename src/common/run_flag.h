#pragma once

#include <atomic>

namespace noise {

// Written by the main thread, read by one worker at the top of every turn.
using RunFlag = std::atomic<bool>;
static_assert(RunFlag::is_always_lock_free);

}  // namespace noise
