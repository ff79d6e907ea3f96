#pragma once

#include <functional>
#include <string>

namespace varnix {

// How wide a text is drawn, in the list's own units (pixels).
using TextWidth = std::function<int(const std::string& text)>;

// What a list row shows of `name` in `width`: the whole name when it fits;
// otherwise its start, `ellipsis` and its end, cut between characters of the
// system's encoding. The end keeps at least the extension and the last
// bracketed group before it ("(Rev 1).sfc", "[!].smc") where there is room,
// since regions and revisions stand there. Called for the rows on screen only.
std::string cutInTheMiddle(const std::string& name, const std::string& ellipsis, int width, const TextWidth& textWidth);

} // namespace varnix
