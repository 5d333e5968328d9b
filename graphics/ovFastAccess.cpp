#include "graphics/ovFastAccess.h"

#include "graphics/WidestVectors.h"

#include <algorithm>

TovFast24 SharedFast24;
TovFast24 SharedFast24B;
TovFastSum24 SharedFastSum24;
TovFast32 SharedFast32;

// The stride is taken as the distance from row 0 to row 1, so a bitmap needs two
// rows (and, for symmetry with the callers' clipping, two columns).
static bool Bindable(const TBitmap* bitmap, TPixelFormat format)
{
    return bitmap && bitmap->PixelFormat() == format && bitmap->Width() >= 2 && bitmap->Height() >= 2;
}

template<class Accessor, class Bitmap>
static bool BindAccessor(Accessor& accessor, Bitmap* bitmap, TPixelFormat format)
{
    if (!Bindable(bitmap, format)) {
        accessor = Accessor();
        return false;
    }
    accessor.Bitmap = bitmap;
    accessor.Width = bitmap->Width();
    accessor.Height = bitmap->Height();
    accessor.Row0 = bitmap->ScanLine(0);
    accessor.Stride = bitmap->ScanLine(1) - bitmap->ScanLine(0);
    return true;
}

bool TovFast24::BindBitmap(const TBitmap* bitmap)
{
    return BindAccessor(*this, bitmap, TPixelFormat::pf24bit);
}

bool TovFast32::BindBitmap(TBitmap* bitmap)
{
    return BindAccessor(*this, bitmap, TPixelFormat::pf32bit);
}

bool TovFastSum24::BindPair(const TBitmap* source, TBitmap* destination)
{
    if (!Bindable(source, TPixelFormat::pf24bit) || !Bindable(destination, TPixelFormat::pf24bit)) {
        *this = TovFastSum24();
        return false;
    }
    Source = source;
    Destination = destination;
    Width = std::min(source->Width(), destination->Width());
    Height = std::min(source->Height(), destination->Height());
    SourceRow0 = source->ScanLine(0);
    DestRow0 = destination->ScanLine(0);
    SourceStride = source->ScanLine(1) - source->ScanLine(0);
    DestStride = destination->ScanLine(1) - destination->ScanLine(0);
    DestRect = TRect{0, 0, Width, Height};
    SourceRect = DestRect;
    return true;
}

// Where the blended bytes lie: the first byte of the region's top row on each
// side, the bytes of a row, the number of rows and the strides.
struct BlendRows
{
    std::uint8_t* Destination;
    const std::uint8_t* Source;
    int Bytes;
    int Rows;
    std::ptrdiff_t DestStride;
    std::ptrdiff_t SourceStride;
};

static inline void BlendRowApart(std::uint8_t* __restrict destination, const std::uint8_t* __restrict source,
                                 int bytes, std::uint8_t weight)
{
    for (int i = 0; i < bytes; ++i)
        destination[i] = BlendByWeight(destination[i], source[i], weight);
}

// Two different bitmaps cannot overlap, so the order makes no difference to
// the result: rows are walked top down, the way the memory prefetcher likes
// it, and the compiler may vectorise each row freely.
WIDEST_VECTORS static void BlendApart(const BlendRows& rows, std::uint8_t weight)
{
    if (rows.DestStride == rows.Bytes && rows.SourceStride == rows.Bytes) {
        // Whole rows without padding on both sides: one run.
        BlendRowApart(rows.Destination, rows.Source, rows.Bytes * rows.Rows, weight);
        return;
    }
    for (int y = 0; y < rows.Rows; ++y)
        BlendRowApart(rows.Destination + y * rows.DestStride, rows.Source + y * rows.SourceStride, rows.Bytes, weight);
}

// A bitmap blended into itself: walking rows and bytes from the last to the
// first decides which bytes a later step reads, so that order is kept.
static void BlendBackwards(const BlendRows& rows, std::uint8_t weight)
{
    for (int y = rows.Rows - 1; y >= 0; --y) {
        std::uint8_t* d = rows.Destination + y * rows.DestStride;
        const std::uint8_t* s = rows.Source + y * rows.SourceStride;
        for (int i = rows.Bytes - 1; i >= 0; --i)
            d[i] = BlendByWeight(d[i], s[i], weight);
    }
}

void TovFastSum24::BlendRegion()
{
    const BlendRows rows{DestRow0 + DestRect.Top * DestStride + DestRect.Left * 3,
                         SourceRow0 + SourceRect.Top * SourceStride + SourceRect.Left * 3,
                         DestRect.Width() * 3,
                         DestRect.Height(),
                         DestStride,
                         SourceStride};
    if (static_cast<const TBitmap*>(Destination) != Source)
        BlendApart(rows, Weight);
    else
        BlendBackwards(rows, Weight);
}
