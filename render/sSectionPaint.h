#pragma once

#include "graphics/BackgroundRef.h"
#include "graphics/TBitmap.h"
#include "graphics/TColor.h"
#include "graphics/TRect.h"

#include <string>

class TsSkinManager;

// Painting a skin section (its colour, texture, gradient, transparency towards
// the parent, corner pictures and border picture) into a 24-bit bitmap.
//
// Common arguments: the section by index (and name, for image look-ups), the
// manager (nullptr: the default manager), the target and the rectangle in it,
// P the rectangle's position in the parent's coordinates (where its part of
// the parent's background lies), the parent's background, the state (0
// normal, any other hot), and texture indices already resolved by the caller
// (-1: looked up by name).

// The background only. customColor (clFuchsia = none) replaces the section's
// look with a plain colour.
void PaintSectionBackground(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                            TColor customColor, int textureIndex, int hotTextureIndex, TsSkinManager* manager,
                            TBitmap& target, TPoint P, TRect rect, int state);

// The window adapters' variant: the texture index is the one to use in this
// state, the parent's bitmap is used only when the background is ready, and
// no overlay textures are drawn.
void PaintSectionBackgroundWithTexture(int sectionIndex, const std::string& sectionName,
                                       const BackgroundRef& background, int textureIndex, TsSkinManager* manager,
                                       TBitmap& target, TPoint P, TRect rect, int state);

// Background, corner pictures and border picture. Nothing is painted unless
// the rectangle lies inside the target.
void PaintSectionItem(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                      int hotTextureIndex, int textureIndex, TsSkinManager* manager, TBitmap& target, TPoint P,
                      TRect rect, int state, bool fillCenter);

// For standard parts whose indices are resolved once per skin: background
// with the given texture (textureIndex in state 0, hotTextureIndex otherwise)
// and the border picture borderIndex; no corners.
void PaintItemByIndex(int sectionIndex, int borderIndex, int textureIndex, TsSkinManager* manager, TBitmap& target,
                      TPoint P, TRect rect, int state, bool fillCenter, const BackgroundRef& background,
                      const std::string& sectionName, int hotTextureIndex);

// Paints the item into a bitmap of the rectangle's size and copies it onto dc
// at the rectangle.
void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const BackgroundRef& background,
                      TsSkinManager* manager, TBitmap& dc, TPoint P, TRect rect, int state, bool fillCenter);

// Paints the section called name (else fallbackName) of manager over the whole
// target, with the centre filled. With dc, the target first takes what dc
// shows at rect's top-left, which then serves as the ready background;
// otherwise fillColor is the background. Returns the section index found (-1
// when neither name exists, and then nothing is painted).
int PaintSectionByName(TBitmap& target, const std::string& name, const std::string& fallbackName, const TBitmap* dc,
                       TColor fillColor, TRect rect, TsSkinManager* manager, int state);
