#include "skin/controls/ScrollbarParts.h"

#include <algorithm>
#include <cstdint>

namespace skin {

namespace {

// A native bar with nothing to scroll divides by this, which leaves its thumb at the start.
constexpr std::int64_t kEmptyRange = 9999999;
constexpr int kMinNativeThumb = 8;

// a * b / c rounded to nearest, 0 for a zero divisor; results beyond int are cut to its range.
int MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0)
        return 0;
    std::int64_t product = a * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    product += (product < 0) != (c < 0) ? -half : half;
    const std::int64_t q = product / c;
    return static_cast<int>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

} // namespace

int PartAt(int at, int arrow, const ThumbSpan& thumb, int length) {
    if (at < 0 || at >= length)
        return sbpNone;
    if (at < arrow)
        return sbpFirstArrow;
    if (at < thumb.start)
        return sbpTrackBefore;
    if (at < thumb.end)
        return sbpThumb;
    if (at < length - arrow)
        return sbpTrackAfter;
    return sbpSecondArrow;
}

ThumbSpan DraggedThumb(const ThumbSpan& atPress, int moved, int arrow, int length) {
    const int thumb = std::max(0, atPress.Length());
    const int last = std::max(arrow, length - arrow - thumb);
    const std::int64_t wanted = static_cast<std::int64_t>(atPress.start) + moved;
    const int start = static_cast<int>(std::clamp<std::int64_t>(wanted, arrow, last));
    return {start, start + thumb};
}

ThumbSpan StandaloneThumb(const StandaloneRange& r, int arrow, int length, bool native) {
    const int track = length - 2 * arrow;
    if (track <= 0 || arrow < 0)
        return {};
    std::int64_t range = static_cast<std::int64_t>(r.max) - r.min;
    if (range == 0 && native)
        range = kEmptyRange;
    if (range <= 0)
        return {arrow, arrow + std::min(arrow, track)};
    const std::int64_t from = std::clamp<std::int64_t>(static_cast<std::int64_t>(r.pos) - r.min, 0, range);
    int thumb = 0;
    int start = arrow;
    if (r.page > 0) {
        thumb = MulDiv(track, r.page - 1, range);
        start = arrow + MulDiv(track, from, range);
    } else {
        thumb = arrow;
        start = arrow + MulDiv(length - 3 * arrow, from, range);
    }
    if (native && thumb <= kMinNativeThumb) {
        thumb = kMinNativeThumb;
        start = arrow + MulDiv(track - kMinNativeThumb, from, range);
    }
    if (from == 0)
        start = arrow;
    // Whatever the bar reports, the thumb stays between the arrows.
    thumb = std::clamp(thumb, 0, track);
    start = std::clamp(start, arrow, length - arrow - thumb);
    return {start, start + thumb};
}

} // namespace skin
