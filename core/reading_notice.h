#pragma once

#include <cstddef>
#include <string>

namespace varnix {

// What a list's area says while its folder is being read. A quick read
// shows nothing of it: the notice comes only once a read has taken longer
// than this, and its count is brought up to date this often.
inline constexpr int kReadingNoticeDelayMs = 300;
inline constexpr int kReadingNoticeRefreshMs = 250;

// "Reading the folder..." and the count of names come so far, on two lines.
std::string readingNotice(std::size_t names);

}  // namespace varnix
