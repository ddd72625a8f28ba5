#include "engine/cad/dxf/DxfText.h"

#include "engine/text/Encoding.h"
#include "engine/text/NumberText.h"

namespace engine::dxf {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of the UTF-8 sequence at i and its code point; 0 when it is not valid.
std::size_t Utf8Sequence(std::string_view s, std::size_t i, char32_t& cp) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
        cp = c & 0x1F;
        len = 2;
    } else if ((c & 0xF0) == 0xE0) {
        cp = c & 0x0F;
        len = 3;
    } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
        cp = c & 0x07;
        len = 4;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        unsigned char n = static_cast<unsigned char>(s[i + k]);
        if ((n & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (n & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool ValidUtf8(std::string_view s) {
    char32_t cp;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t len = Utf8Sequence(s, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

// Replaces \U+XXXX (four hexadecimal digits) by the character it names.
std::string ResolveUnicodeEscapes(std::string text) {
    if (text.find("\\U+") == std::string::npos && text.find("\\u+") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\\' && i + 7 <= text.size() && (text[i + 1] == 'U' || text[i + 1] == 'u') &&
            text[i + 2] == '+') {
            int v = 0;
            bool ok = true;
            for (int k = 0; k < 4; ++k) {
                int d = HexDigit(text[i + 3 + k]);
                if (d < 0) ok = false;
                v = v * 16 + (d < 0 ? 0 : d);
            }
            if (ok && v != 0 && !(v >= 0xD800 && v <= 0xDFFF)) {
                AppendUtf8(out, static_cast<char32_t>(v));
                i += 7;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

}  // namespace

DxfEncoding EncodingOfVersion(std::string_view acadVersion) {
    std::string v = UpperAscii(acadVersion);
    // "AC1021" (2007) and later compare above it as text.
    return v.size() == 6 && v.compare(0, 2, "AC") == 0 && v >= "AC1021" ? DxfEncoding::Utf8 : DxfEncoding::Cp1252;
}

std::string DecodeDxfText(std::string_view bytes, DxfEncoding encoding) {
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    std::string text;
    if (ascii || (encoding == DxfEncoding::Utf8 && ValidUtf8(bytes)))
        text.assign(bytes);
    else
        text = Cp1252ToUtf8(bytes);
    return ResolveUnicodeEscapes(std::move(text));
}

std::string EncodeDxfText(std::string_view utf8, DxfEncoding encoding) {
    if (encoding == DxfEncoding::Utf8) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = Utf8Sequence(utf8, i, cp);
        if (len == 0) {  // not UTF-8: nothing sensible to keep
            out += '?';
            ++i;
            continue;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            std::string one = Utf8ToCp1252(utf8.substr(i, len));
            if (one.size() == 1 && one != "?") {
                out += one;
            } else if (cp <= 0xFFFF) {
                static const char* kHex = "0123456789ABCDEF";
                out += "\\U+";
                for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 0xF];
            } else {
                out += '?';
            }
        }
        i += len;
    }
    return out;
}

std::optional<std::uint64_t> ParseHandle(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
    if (a == b || b - a > 16) return std::nullopt;
    std::uint64_t v = 0;
    for (std::size_t i = a; i < b; ++i) {
        int d = HexDigit(text[i]);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint64_t>(d);
    }
    return v;
}

std::string HandleText(std::uint64_t handle) {
    static const char* kHex = "0123456789ABCDEF";
    if (handle == 0) return "0";
    std::string out;
    while (handle) {
        out.insert(out.begin(), kHex[handle & 0xF]);
        handle >>= 4;
    }
    return out;
}

std::string RealText(double value) {
    std::string text = NumberToText(value);
    // Readers take "12" for a real as well, but a point makes the file read as others write it.
    if (text.find_first_of(".E") == std::string::npos) text += ".0";
    return text;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string FoldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = Utf8Sequence(utf8, i, cp);
        if (len == 0) {
            out += utf8[i++];
            continue;
        }
        if (cp >= 'a' && cp <= 'z')
            cp -= 0x20;
        else if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)  // à..þ, the accented letters of Portuguese among them
            cp -= 0x20;
        AppendUtf8(out, cp);
        i += len;
    }
    return out;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return a == b || FoldCase(a) == FoldCase(b);
}

}  // namespace engine::dxf
