#include "progress_bar.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace tubeline {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr std::size_t kBarWidth = 30;

}  // namespace

ProgressBar::ProgressBar(std::ostream* terminal, std::optional<std::size_t> total)
    : terminal_(terminal), total_(total) {}

ProgressBar::~ProgressBar() {
    if (terminal_ && lastWidth_ > 0) {
        *terminal_ << '\r' << std::string(lastWidth_, ' ') << '\r' << std::flush;
    }
}

void ProgressBar::RowDone() {
    ++done_;
    Refresh();
}

void ProgressBar::Refresh() {
    if (!terminal_ || std::this_thread::get_id() != drawer_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - lastDrawn_ >= kRedrawInterval) {
        lastDrawn_ = now;
        Draw();
    }
}

void ProgressBar::Draw() {
    const std::size_t done = done_;
    std::string line;
    if (total_ && *total_ > 0) {
        const std::size_t filled = std::min(kBarWidth, done * kBarWidth / *total_);
        line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] ";
    }
    line += std::to_string(done) + (total_ ? "/" + std::to_string(*total_) : "") + " rows";
    *terminal_ << '\r' << line << std::flush;
    lastWidth_ = std::max(lastWidth_, line.size());
}

}  // namespace tubeline
