#pragma once

#include "engine/sSkinManager.h"
#include "graphics/PixelFixtures.h"
#include "graphics/sGraphUtils.h"

#include <gtest/gtest.h>

#include <string>

// A skin built in memory: a master bitmap and the model records filled directly.
class SkinInMemory : public ::testing::Test
{
protected:
    SkinInMemory() { skin.MasterBitmap = std::make_unique<TBitmap>(Solid(64, 64, clFuchsia)); }

    TBitmap& master() { return *skin.MasterBitmap; }

    void paint(const TRect& r, TColor color)
    {
        FillRectColor(master(), r, color);
    }

    int addMask(const TRect& r, int imageCount, int maskType, int stretchMode, int wl, int wt, int wr, int wb,
                TovImgType type = itisaBorder, const std::string& section = "", const std::string& key = "")
    {
        TsMaskData& m = skin.MaskArray.emplace_back();
        m.R = r;
        m.ImageCount = std::int16_t(imageCount);
        m.MaskType = std::int16_t(maskType);
        m.StretchMode = std::int16_t(stretchMode);
        m.WL = std::int16_t(wl), m.WT = std::int16_t(wt), m.WR = std::int16_t(wr), m.WB = std::int16_t(wb);
        m.ImgType = type;
        m.Manager = &skin;
        m.SectionName = section;
        m.PropertyName = key;
        return int(skin.MaskArray.size()) - 1;
    }

    const TsMaskData& mask(int index) const { return skin.MaskArray[std::size_t(index)]; }

    int addSection(const std::string& name, TColor color = clWhite)
    {
        TsGeneralData& s = skin.SectionArray.emplace_back();
        s.SectionName = name;
        s.Color = color;
        s.HotColor = color;
        return int(skin.SectionArray.size()) - 1;
    }

    TsGeneralData& section(int index) { return skin.SectionArray[std::size_t(index)]; }

    TsSkinManager skin;
};

// One row of a bitmap as colours, for compact expectations.
inline std::vector<TColor> Row(const TBitmap& bitmap, int y, int from = 0, int to = -1)
{
    std::vector<TColor> row;
    for (int x = from; x < (to < 0 ? bitmap.Width() : to); ++x)
        row.push_back(Pixel(bitmap, x, y));
    return row;
}

inline std::vector<TColor> Column(const TBitmap& bitmap, int x)
{
    std::vector<TColor> column;
    for (int y = 0; y < bitmap.Height(); ++y)
        column.push_back(Pixel(bitmap, x, y));
    return column;
}
