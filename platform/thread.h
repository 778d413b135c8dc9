// Worker threads started through the platform, so that the per-thread state its libraries
// keep (SDL's error text, set by a failed decode) is freed when each one ends.
#pragma once

#include <functional>

class PlatformThread {
  public:
    // Runs `body` on a new thread, if one can be started.
    explicit PlatformThread(std::function<void()> body);
    bool started() const { return thread_ != nullptr; }
    // Waits for the thread, if started, to end.
    ~PlatformThread();
    PlatformThread(const PlatformThread&) = delete;
    PlatformThread& operator=(const PlatformThread&) = delete;

  private:
    void* thread_ = nullptr;
};
