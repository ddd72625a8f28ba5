#pragma once
// Values of a DXF file as text: the byte encoding of the file's version, handles in
// hexadecimal and real numbers as the drawing writes them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine::dxf {

// Drawings up to AutoCAD 2004 keep their text in the drawing's code page (Windows-1252
// for ours); from 2007 on they are UTF-8. Both may carry characters outside the
// encoding as \U+XXXX.
enum class DxfEncoding { Cp1252, Utf8 };

// The encoding of a drawing with the given $ACADVER ("AC1009", "AC1032", ...).
DxfEncoding EncodingOfVersion(std::string_view acadVersion);

// File bytes to UTF-8, with \U+XXXX escapes resolved. A UTF-8 drawing whose bytes are
// not valid UTF-8 is read as Windows-1252 rather than refused.
std::string DecodeDxfText(std::string_view bytes, DxfEncoding encoding);
// UTF-8 to file bytes; characters Windows-1252 cannot hold are written as \U+XXXX.
std::string EncodeDxfText(std::string_view utf8, DxfEncoding encoding);

// A handle: 1 to 16 hexadecimal digits, surrounding blanks allowed; 0 is no handle.
std::optional<std::uint64_t> ParseHandle(std::string_view text);
std::string HandleText(std::uint64_t handle);  // upper-case hexadecimal

// A real as the drawing writes it (point as separator).
std::string RealText(double value);

// ASCII upper case (entity types, section names).
std::string UpperAscii(std::string_view text);
// Names (layers, blocks, applications) compare without regard to case; letters with
// accents fold as well ("á" and "Á" are the same letter).
std::string FoldCase(std::string_view utf8);
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace engine::dxf
