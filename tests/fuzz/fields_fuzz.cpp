// Fixed fields and the middle cut of a long name: fields keep their width,
// cuts fall between characters, and a name that fits is drawn whole.
#include "core/fixed_field.h"
#include "core/middle_cut.h"
#include "fuzz/fuzz_support.h"

using namespace varnix;

namespace {

void check(const std::string& text, std::size_t width, int pixels)
{
    const auto field = fitToWidth(text, width);
    FUZZ_CHECK(field.size() == width);
    const auto kept = std::min(text.size(), characterBoundaryAtOrBefore(text, width));
    FUZZ_CHECK(field.compare(0, kept, text, 0, kept) == 0);
    FUZZ_CHECK(field.find_first_not_of(' ', kept) == std::string::npos);
    FUZZ_CHECK(kept >= width || kept == text.size() || fuzz::isCharacterStart(text, kept));
    for (std::size_t cut = 0; cut <= text.size() + 2; ++cut)
        FUZZ_CHECK(utf8BoundaryAtOrBefore(text, cut) <= cut);

    // Each character as wide as its first byte says, 1 to 16 units.
    const TextWidth textWidth = [](const std::string& shown) {
        int units = 0;
        for (std::size_t at = 0; at < shown.size(); at = nextCharacter(shown, at))
            units += 1 + (static_cast<unsigned char>(shown[at]) & 15);
        return units;
    };
    const std::string ellipsis = "...";
    const auto shown = cutInTheMiddle(text, ellipsis, pixels, textWidth);
    if (textWidth(text) <= pixels) {
        FUZZ_CHECK(shown == text);
        return;
    }
    // The text's start, the ellipsis, the text's end (the text may hold "..." too).
    bool cut = false;
    for (auto dots = shown.find(ellipsis); !cut && dots != std::string::npos; dots = shown.find(ellipsis, dots + 1)) {
        const auto start = shown.substr(0, dots), end = shown.substr(dots + ellipsis.size());
        cut = start.size() + end.size() < text.size() && text.compare(0, start.size(), start) == 0 &&
              text.compare(text.size() - end.size(), end.size(), end) == 0 &&
              fuzz::isCharacterStart(text, start.size()) && fuzz::isCharacterStart(text, text.size() - end.size());
    }
    FUZZ_CHECK(cut);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    fuzz::underEachCharacterRule([&] { check(text, data[0] % 64, data[1]); });
    return 0;
}
