// What a screen reader is told of the drill: each verdict, the correction,
// the review and the batch's score, in the order a sighted learner sees them,
// as CP932 text. The steps add to it as they change the screen; the view
// sends whatever it has not sent yet, so a slow or absent screen reader never
// holds the drill up. Only the last few are kept: a view that missed more
// than that between two events has nobody listening.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace vcq {

class Spoken {
 public:
  static constexpr std::size_t kKept = 8;

  void Say(std::string text) {
    said_.push_back(std::move(text));
    if (said_.size() > kKept) said_.pop_front();
    ++count_;
  }
  // How many were said since the drill screen was made.
  std::uint64_t Count() const { return count_; }
  // The one said as number `n` (0 is the first ever), or nullptr when it is
  // no longer kept or not said yet.
  const std::string* At(std::uint64_t n) const {
    if (n >= count_ || count_ - n > said_.size()) return nullptr;
    return &said_[said_.size() - static_cast<std::size_t>(count_ - n)];
  }

 private:
  std::deque<std::string> said_;
  std::uint64_t count_ = 0;
};

}  // namespace vcq
