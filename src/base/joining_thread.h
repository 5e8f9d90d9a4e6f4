#pragma once

#include <thread>
#include <utility>
#include <version>

namespace tubeline {

// A thread that is joined when it is destroyed: std::jthread where the C++ library has it, a
// small stand-in where it does not (Emscripten's libc++).
namespace fallback {
class JoiningThread {
  public:
    template <class Work>
    explicit JoiningThread(Work&& work) : thread_(std::forward<Work>(work)) {}
    JoiningThread(JoiningThread&&) noexcept = default;
    JoiningThread& operator=(JoiningThread&&) = delete;
    ~JoiningThread() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

  private:
    std::thread thread_;
};
}  // namespace fallback

#if defined(__cpp_lib_jthread)
using JoiningThread = std::jthread;
#else
using JoiningThread = fallback::JoiningThread;
#endif

// A WebAssembly build without its threads option can start no thread: every loop stays on the
// caller's.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreadsAvailable = false;
#else
inline constexpr bool kThreadsAvailable = true;
#endif

}  // namespace tubeline
