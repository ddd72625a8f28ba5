#pragma once
// The suite's files are Windows-1252; memory holds UTF-8.
#include <string>
#include <string_view>

namespace engine {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t CharCount(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string LeftChars(std::string_view utf8, std::size_t n);

// Appends the UTF-8 bytes of one code point (1 to 4 bytes).
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace engine
