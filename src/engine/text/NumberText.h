#pragma once
// The one number-to-text routine of the program, and the strict conversions from
// text that calculators use. The decimal separator is always the point, whatever
// the process locale says.
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// Trims leading and trailing blanks (spaces, tabs, CR, LF).
std::string Trim(std::string_view text);

// The value's shortest decimal form with up to 15 significant digits, point as
// separator: 2.675 -> "2.675", 0.1+0.2 -> "0.3", 1e20 -> "1E20", -0 -> "0".
std::string NumberToText(long double value);

// Parses a whole text (blanks around it allowed) as a decimal number: optional
// sign, digits with an optional point, optional exponent. Nothing else.
std::optional<long double> ParseNumber(std::string_view text);

// As ParseNumber, but a text that is no number raises ConversionError naming it.
long double TextToNumber(std::string_view text);

// Parses a whole integer text; trimmed first unless exact is true, in which case
// leading blanks pass but trailing ones make it invalid (count fields read untrimmed).
std::optional<long long> ParseInteger(std::string_view text, bool exact = false);
long long TextToInteger(std::string_view text, bool exact = false);

// Alignments of FormatNumberText.
enum NumberAlign : int {
    kNoFill = 0,
    kFillRight = 1,  // text left-justified, blanks appended
    kFillLeft = 3,   // text right-justified, blanks prepended
    kCut = 5,        // no fill; decimals cut instead of rounded
};

// Formats a value given as text into at most `width` characters. With decimals 1
// to 3 the text is read as a number (0 when it is none) and written in fixed
// notation, rounded half away from zero on its 15-significant-digit decimal form;
// with decimals 0 it is taken as plain text. An empty text or one starting with
// "*" gives `width` asterisks (decimals != 0) or `width` blanks (decimals == 0).
std::string FormatNumberText(std::string_view text, int width, int alignment, int decimals);

// Fixed notation of a value with `decimals` places, rounded half away from zero on
// its 15-significant-digit decimal form (no width, no fill).
std::string FixedText(long double value, int decimals);

}  // namespace engine
