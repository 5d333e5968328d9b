#pragma once

#include "graphics/GradientStep.h"

#include <string>
#include <string_view>

// Gradient text: five ";"-separated integers per step (Color1, Color2,
// Percent, Mode, Reserved), the whole list on one line without a trailing ";".

// Empties steps, then makes (number of words) div 5 steps; words are the
// maximal runs of characters other than ";", blanks and control characters
// around a word ignored.
// Each step reads its first four words as decimal integers (else
// EConvertError, sStoreUtils.h); Percent is kept within 0..100; the fifth word
// and any incomplete trailing step are not read. Blank text (the " " a writer
// stores for "no gradient") gives no steps.
void ParseGradientData(std::string_view text, TsGradArray& steps);
// Colours are written as signed 32-bit numbers, so system colours read back
// unchanged; Reserved is written as 0.
std::string FormatGradientData(const TsGradArray& steps);
