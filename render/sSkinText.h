#pragma once

#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TRect.h"

#include <QFont>

#include <string>

class TsSkinManager;

// Where captions are written: a 24-bit bitmap, the font and its colour.
// Texts are 8-bit and kept byte for byte (Latin-1 at the Qt boundary);
// formats are Qt::AlignmentFlag and Qt::TextFlag values.
struct TsTextCanvas
{
    TBitmap& Bitmap;
    QFont Font;
    TColor FontColor = clBlack;
};

// A control's caption in the colours of the section its caller chose (its own,
// or the parent's for controls that show their parent's font), clipped to rect.
// Enabled: the contour colours of the state (those not -1) are drawn first,
// the text moved one pixel left, up, right and down, then the text in the
// section's font colour; with customFont neither contours nor colour change.
// Disabled: 0.4 of the font colour over the skin's global colour, or the
// canvas colour without a valid section.
void WriteSkinText(TsTextCanvas& canvas, const std::string& text, bool enabled, bool hot, int sectionIndex,
                   bool customFont, TsSkinManager* manager, int format, TRect rect);

// The same for a section without a control: not clipped, the format as given,
// disabled text 0.4 of the font colour over the section's colour. manager
// nullptr is the default manager.
void WriteSectionText(TsTextCanvas& canvas, const std::string& text, bool enabled, TsSkinManager* manager, bool hot,
                      int sectionIndex, int format, TRect rect);

// text when it fits into width pixels; else text cut at its end so that it
// fits with "..." appended; "" when nothing of it fits.
std::string FitTextWithEllipsis(const TsTextCanvas& canvas, const std::string& text, int width);
