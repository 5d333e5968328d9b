#include "render/sBitmapCopy.h"

#include "graphics/sGraphUtils.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int WeightOne = 1 << 14;

// The source pixels that make one destination pixel along one axis.
struct TAxisTap
{
    int First = 0;
    std::vector<int> Weights; // sum to WeightOne
};

// Weights of the source pixels [0, sourceSize) for destination pixel i of
// destSize along one axis.
TAxisTap MakeTap(int i, int destSize, int sourceSize)
{
    TAxisTap tap;
    if (destSize < sourceSize) {
        // Box: the span [i, i + 1) * scale of the source, with partial edge pixels.
        const double scale = double(sourceSize) / destSize;
        const double from = i * scale, to = (i + 1) * scale;
        tap.First = int(from);
        const int last = std::min(sourceSize - 1, int(to - 1e-9));
        int given = 0;
        for (int s = tap.First; s <= last; ++s) {
            const double cover = std::min(to, s + 1.0) - std::max(from, double(s));
            const int w = s == last ? WeightOne - given : int(cover / scale * WeightOne + 0.5);
            tap.Weights.push_back(w);
            given += w;
        }
        return tap;
    }
    // Linear between the two source centres around the destination centre.
    const double centre = (i + 0.5) * sourceSize / destSize - 0.5;
    const int left = std::clamp(int(centre < 0 ? -1 : centre), 0, sourceSize - 1);
    const int right = std::min(left + 1, sourceSize - 1);
    const double t = std::clamp(centre - left, 0.0, 1.0);
    tap.First = left;
    const int wRight = right == left ? 0 : int(t * WeightOne + 0.5);
    tap.Weights = {WeightOne - wRight};
    if (right != left)
        tap.Weights.push_back(wRight);
    return tap;
}

std::vector<TAxisTap> MakeTaps(int destSize, int sourceSize)
{
    std::vector<TAxisTap> taps;
    taps.reserve(std::size_t(destSize));
    for (int i = 0; i < destSize; ++i)
        taps.push_back(MakeTap(i, destSize, sourceSize));
    return taps;
}

} // namespace

void StretchCopy(TBitmap& destination, const TRect& destRect, const TBitmap& source, const TRect& sourceRect)
{
    const int dw = destRect.Width(), dh = destRect.Height();
    const int sw = sourceRect.Width(), sh = sourceRect.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || sourceRect.Left < 0 || sourceRect.Top < 0
        || sourceRect.Right > source.Width() || sourceRect.Bottom > source.Height())
        return;
    const int dbpp = destination.BytesPerPixel(), sbpp = source.BytesPerPixel();
    const std::vector<TAxisTap> columns = MakeTaps(dw, sw);
    const std::vector<TAxisTap> rows = MakeTaps(dh, sh);
    const int x0 = std::max(0, destRect.Left), x1 = std::min(destination.Width(), destRect.Right);
    const int y0 = std::max(0, destRect.Top), y1 = std::min(destination.Height(), destRect.Bottom);
    if (x0 >= x1 || y0 >= y1)
        return;
    // One horizontally resampled row per source row, in 14-bit fixed point.
    std::vector<std::uint32_t> wide(std::size_t(sh) * std::size_t(dw) * 3);
    for (int sy = 0; sy < sh; ++sy) {
        const std::uint8_t* s = source.ScanLine(sourceRect.Top + sy) + sourceRect.Left * sbpp;
        std::uint32_t* out = wide.data() + std::size_t(sy) * std::size_t(dw) * 3;
        for (int x = x0; x < x1; ++x) {
            const TAxisTap& tap = columns[std::size_t(x - destRect.Left)];
            std::uint32_t acc[3] = {0, 0, 0};
            for (std::size_t k = 0; k < tap.Weights.size(); ++k) {
                const std::uint8_t* p = s + (tap.First + int(k)) * sbpp;
                for (int c = 0; c < 3; ++c)
                    acc[c] += p[c] * std::uint32_t(tap.Weights[k]);
            }
            std::copy(acc, acc + 3, out + std::size_t(x - destRect.Left) * 3);
        }
    }
    for (int y = y0; y < y1; ++y) {
        const TAxisTap& tap = rows[std::size_t(y - destRect.Top)];
        std::uint8_t* d = destination.ScanLine(y) + x0 * dbpp;
        for (int x = x0; x < x1; ++x, d += dbpp) {
            std::uint64_t acc[3] = {0, 0, 0};
            for (std::size_t k = 0; k < tap.Weights.size(); ++k) {
                const std::uint32_t* p =
                    wide.data() + (std::size_t(tap.First + int(k)) * std::size_t(dw) + std::size_t(x - destRect.Left)) * 3;
                for (int c = 0; c < 3; ++c)
                    acc[c] += std::uint64_t(p[c]) * std::uint64_t(tap.Weights[k]);
            }
            for (int c = 0; c < 3; ++c)
                d[c] = std::uint8_t(std::min<std::uint64_t>(255, (acc[c] + (std::uint64_t(1) << 27)) >> 28));
        }
    }
}

void CopyBitmapRect(TBitmap& destination, const TRect& destRect, const TBitmap& source, const TRect& srcRect)
{
    TPoint at{destRect.Left, destRect.Top};
    TRect from{srcRect.Left, srcRect.Top, srcRect.Left + std::min(destRect.Width(), srcRect.Width()),
               srcRect.Top + std::min(destRect.Height(), srcRect.Height())};
    if (from.Width() <= 0 || from.Height() <= 0 || !ClipCopy(at, from, source, destination))
        return;
    const int dbpp = destination.BytesPerPixel(), sbpp = source.BytesPerPixel();
    for (int y = 0; y < from.Height(); ++y) {
        std::uint8_t* d = destination.ScanLine(at.Y + y) + at.X * dbpp;
        const std::uint8_t* s = source.ScanLine(from.Top + y) + from.Left * sbpp;
        if (dbpp == sbpp) {
            std::memmove(d, s, std::size_t(from.Width()) * dbpp);
            continue;
        }
        for (int x = 0; x < from.Width(); ++x, d += dbpp, s += sbpp)
            std::memcpy(d, s, 3);
    }
}
