#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TMemIniFile;

// A stored value that should have been a number but is not. Carries the whole
// stored value so that a loader can report it together with section and key.
class EConvertError : public std::runtime_error
{
public:
    EConvertError(const std::string& message, std::string value);
    const std::string& Value() const { return value_; }

private:
    std::string value_;
};

// The integer rule of skins: a value longer than two characters starting with
// "0x"/"0X", or one starting with "$", is hexadecimal (up to 32 bits, so
// "$FF00000F" is a negative system colour); anything else is decimal with an
// optional sign. False, with value untouched, when the text is not such a number.
bool TryStrToSkinInt(std::string_view text, int& value);
// Plain decimal with an optional sign, nothing else.
bool TryStrToDecimal(std::string_view text, int& value);

// Decimal number with "." as the separator whatever the locale.
bool TryStrToSkinFloat(std::string_view text, double& value);
std::string SkinFloatToStr(double value);

// The text in single quotes, for messages.
std::string Quoted(std::string_view text);

// Upper case of ASCII letters only; other bytes are kept as they are.
std::string UpperCaseAscii(std::string_view text);
// Without leading and trailing blanks and control characters.
std::string_view TrimText(std::string_view text);
// The maximal runs of characters that are not separators (empty words between
// consecutive separators do not count).
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

// Look-ups with PARENTCLASS inheritance: when a section lacks the key, its
// PARENTCLASS section is asked, and so on up the chain; def applies when no
// section of the chain has the key. A parent naming a section already asked
// ends the chain, so looping chains cannot hang a reader.
// Text and booleans: any stored value counts, the empty one included.
std::string ReadInheritedString(const TMemIniFile& ini, std::string_view section, std::string_view key,
                                std::string_view def);
bool ReadInheritedBool(const TMemIniFile& ini, std::string_view section, std::string_view key, bool def);
// Integers and colours: a value that is unparsable or -1 counts as missing.
int ReadInheritedInteger(const TMemIniFile& ini, std::string_view section, std::string_view key, int def);

// For the few keys where a bad number must stop a load: def when the key is
// absent, EConvertError when its value does not follow the integer rule.
int ReadStrictInteger(const TMemIniFile& ini, std::string_view section, std::string_view key, int def);
