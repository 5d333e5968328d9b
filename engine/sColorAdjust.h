#pragma once

#include "graphics/TColor.h"

class TsSkinModel;

// Rotates the hue of a colour by offset degrees; value and saturation stay,
// the hue moves in whole degrees. System colours are converted first; grey
// (and black) comes back unchanged.
TColor ChangeHue(int offset, TColor color);

// Moves a colour towards its grey by amount percent (100 = pure grey), or
// away from it for a negative amount. The high byte of color is ignored.
TColor ChangeSaturation(TColor color, int amount);

// Recolour the whole loaded skin in place: the master bitmap, every image
// bitmap, the colours and gradient colours of every section, then the
// skin-wide shadow and border colours. Nothing happens for 0.
void ApplyHueOffset(TsSkinModel& model, int offset);
// amount passed to ChangeSaturation is (-saturation) remainder 101.
void ApplySaturation(TsSkinModel& model, int saturation);
