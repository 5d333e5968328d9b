#pragma once

// Rectangles have exclusive right and bottom edges unless a routine says otherwise.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

struct TPoint
{
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};
