#pragma once

#include <string>
#include <string_view>

class TMemIniFile;

// The integer rule of skins: a value longer than two characters starting with
// "0x"/"0X", or one starting with "$", is hexadecimal (up to 32 bits, so
// "$FF00000F" is a negative system colour); anything else is decimal with an
// optional sign. False, with value untouched, when the text is not such a number.
bool TryStrToSkinInt(std::string_view text, int& value);

// Decimal number with "." as the separator whatever the locale.
bool TryStrToSkinFloat(std::string_view text, double& value);
std::string SkinFloatToStr(double value);

// Upper case of ASCII letters only; other bytes are kept as they are.
std::string UpperCaseAscii(std::string_view text);
