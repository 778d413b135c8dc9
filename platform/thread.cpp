// Worker threads over SDL's, which free SDL's per-thread state when they end (threads of the
// C++ library would leave it behind).
#include "platform/thread.h"

#include <SDL2/SDL.h>

namespace {
int Run(void* body) {
    std::function<void()>* function = static_cast<std::function<void()>*>(body);
    (*function)();
    delete function;
    return 0;
}
} // namespace

PlatformThread::PlatformThread(std::function<void()> body) {
    auto* function = new std::function<void()>(std::move(body));
    thread_ = SDL_CreateThread(Run, "rerovuz worker", function);
    if (!thread_)
        delete function;
}

PlatformThread::~PlatformThread() {
    if (thread_)
        SDL_WaitThread(static_cast<SDL_Thread*>(thread_), nullptr);
}
