#pragma once

#include <functional>

class TMemIniFile;

// The skin's format version: "VERSION" of "GLOBALINFO" with "," read as ".",
// 0 when it is absent or not a number.
double ReadSkinVersion(const TMemIniFile& skin);

// Brings a skin written for an older engine up to date, once per opening, in
// the steps of engine versions 4.33, 4.66 and 5.40: glyphs copied to where the
// engine now looks for them, legacy "#" values rewritten in the current
// syntaxes (after asking), border stretch flags fixed, and the skin stamped
// "5.40" so that it is never upgraded again. Each step tells the user what it
// did; writeSkinFile writes the document to its file. Returns the version the
// skin has afterwards.
double UpgradeSkinDocument(TMemIniFile& skin, double version, const std::function<void()>& writeSkinFile);
