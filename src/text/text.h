// Text operations the program's rules are written in: positions count from 1, 0 means "not found".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/runtime_error.h"

namespace wardo::text {

using Text = std::wstring;

// Position (from 1) of `what` in `s` at or after `start`; 0 when absent. As in the classic runtime, an
// empty `s` holds nothing (not even ""), and an empty `what` is found at `start` when start <= length + 1.
// start < 1 is an invalid call.
long find(const Text& s, const Text& what, long start = 1);
// Position of the last occurrence of `what`; 0 when absent.
long findLast(const Text& s, const Text& what);

// Substring from `start` (from 1), at most `length` characters (-1: to the end). A start < 1 or a
// length < -1 is an invalid call; a start past the end gives "".
Text mid(const Text& s, long start, long length = -1);
Text left(const Text& s, long length);   // negative length: invalid call
Text right(const Text& s, long length);  // negative length: invalid call

// Every occurrence of `what` replaced, scanning left to right; an empty `what` changes nothing.
Text replaceAll(const Text& s, const Text& what, const Text& with);

// Trims of blanks (U+0020) only; tabs and line breaks stay.
Text trim(const Text& s);
Text trimLeft(const Text& s);
Text trimRight(const Text& s);

// Split at every CR LF pair. The last element is what follows the last break. An empty text gives no
// element at all, as the classic Split does (so the "last index" is -1).
std::vector<Text> splitCrLf(const Text& s);
std::vector<Text> split(const Text& s, const Text& separator);

// Lower and upper case over the ANSI repertoire: accented capitals included ("É" -> "é").
Text lower(const Text& s);
Text upper(const Text& s);

// Conversions through the system's ANSI code page (text/ansi_code_page.h: Windows-1252 unless the
// platform installed the system's). A character the code page cannot hold becomes '?'.
std::string toAnsi(std::wstring_view s);
Text fromAnsi(std::string_view bytes);
// Plain ASCII literal to Text, for infrastructure names.
Text widen(const char* ascii);

// Checked narrowing to a 16-bit signed integer: overflow outside -32768..32767.
std::int16_t toInt16(long long v);
// Rounding to an integer with ties to even, as the classic integer conversion does; overflow outside 16 bits.
std::int16_t roundInt16(double v);
std::int32_t roundInt32(double v);

// Decimal text of a number, without leading blank.
Text decimal(long long v);
// Leading decimal number of a text (blanks skipped, optional sign, digits, optional fraction); 0 when none.
double val(const Text& s);

// Hexadecimal digits, two per byte, upper case; and back (pairs that are not hexadecimal are errors).
Text hexOfByte(std::uint8_t b);

}  // namespace wardo::text
