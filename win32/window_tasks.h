#pragma once

#include <windows.h>

namespace varnix {

// Messages and timers of the window's own: the queue's wake, the next slice
// of a list's fill, and the queue's beat while a read is under way.
constexpr UINT kWakeMessage = WM_APP + 1;
constexpr UINT kFillMessage = WM_APP + 2;
constexpr UINT_PTR kQueuePollTimer = 1;

}  // namespace varnix
