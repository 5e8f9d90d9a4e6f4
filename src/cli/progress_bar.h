#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <thread>

namespace tubeline {

// A one-line progress bar on a terminal, redrawn at most ten times a second and cleared when
// it goes. Rows may be counted from any thread; only the thread that made the bar draws.
class ProgressBar {
  public:
    // No terminal, no bar. Without a total only the rows done are shown.
    ProgressBar(std::ostream* terminal, std::optional<std::size_t> total);
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;
    ~ProgressBar();

    // Counts a row; draws when called by the bar's own thread.
    void RowDone();
    // Draws from the bar's own thread, which may have computed none of the rows since the last
    // time.
    void Refresh();

  private:
    void Draw();

    std::ostream* terminal_;
    std::optional<std::size_t> total_;
    std::atomic<std::size_t> done_{0};
    std::thread::id drawer_ = std::this_thread::get_id();
    std::chrono::steady_clock::time_point lastDrawn_{};
    std::size_t lastWidth_ = 0;
};

}  // namespace tubeline
