#include "graphics/ovFastAccess.h"

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

// On x86-64 the row kernel is also built for wider vector units and the best
// one for the running processor is picked when the program loads.
#if defined(__x86_64__) && defined(__GNUC__)
#define WIDEST_VECTORS __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define WIDEST_VECTORS
#endif

// Rows that cannot overlap: the compiler may vectorise freely.
WIDEST_VECTORS static void BlendRowApart(std::uint8_t* __restrict destination, const std::uint8_t* __restrict source, int bytes,
                          std::uint8_t weight)
{
    for (int i = 0; i < bytes; ++i)
        destination[i] = BlendByWeight(destination[i], source[i], weight);
}

// A bitmap blended into itself: the last-to-first order decides which bytes a
// later step reads, so it is kept literally.
static void BlendRowBackwards(std::uint8_t* destination, const std::uint8_t* source, int bytes, std::uint8_t weight)
{
    for (int i = bytes - 1; i >= 0; --i)
        destination[i] = BlendByWeight(destination[i], source[i], weight);
}

void TovFastSum24::BlendRegion()
{
    const int bytes = DestRect.Width() * 3;
    const bool apart = static_cast<const TBitmap*>(Destination) != Source;
    for (int y = DestRect.Height() - 1; y >= 0; --y) {
        std::uint8_t* d = DestRow0 + (DestRect.Top + y) * DestStride + DestRect.Left * 3;
        const std::uint8_t* s = SourceRow0 + (SourceRect.Top + y) * SourceStride + SourceRect.Left * 3;
        if (apart)
            BlendRowApart(d, s, bytes, Weight);
        else
            BlendRowBackwards(d, s, bytes, Weight);
    }
}
