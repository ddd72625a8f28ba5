#include "engine/cad/workspace/WildcardMatch.h"

#include <string>
#include <vector>

#include "engine/cad/dxf/DxfText.h"

namespace engine::cad {
namespace {

// Code points of a UTF-8 text, folded to one case.
std::u32string Fold(std::string_view utf8) {
    std::string folded = dxf::FoldCase(utf8);
    std::u32string out;
    for (std::size_t i = 0; i < folded.size();) {
        unsigned char c = static_cast<unsigned char>(folded[i]);
        std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        if (i + len > folded.size()) len = 1;
        char32_t cp = len == 1 ? c : (c & (0x7F >> len));
        for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(folded[i + k]) & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

// Matches one alternative (no ","), from pattern position p and text position t.
bool MatchFrom(const std::u32string& pat, std::size_t p, const std::u32string& text, std::size_t t) {
    while (p < pat.size()) {
        char32_t c = pat[p];
        if (c == '*') {
            while (p < pat.size() && pat[p] == '*') ++p;
            if (p == pat.size()) return true;
            for (std::size_t k = t; k <= text.size(); ++k)
                if (MatchFrom(pat, p, text, k)) return true;
            return false;
        }
        if (t >= text.size()) return false;
        char32_t x = text[t];
        if (c == '?') {
        } else if (c == '#') {
            if (!IsDigit(x)) return false;
        } else if (c == '@') {
            if (!IsLetter(x)) return false;
        } else if (c == '.') {
            if (IsDigit(x) || IsLetter(x)) return false;
        } else if (c == '[') {
            std::size_t q = p + 1;
            bool negate = q < pat.size() && pat[q] == '~';
            if (negate) ++q;
            bool found = false;
            std::size_t start = q;
            // A "]" right after "[" (or "[~") is one of the characters.
            while (q < pat.size() && (pat[q] != ']' || q == start)) {
                if (q + 2 < pat.size() && pat[q + 1] == '-' && pat[q + 2] != ']') {
                    if (x >= pat[q] && x <= pat[q + 2]) found = true;
                    q += 3;
                } else {
                    if (x == pat[q]) found = true;
                    ++q;
                }
            }
            if (q >= pat.size()) {  // no closing bracket: the "[" is itself
                if (x != '[') return false;
            } else {
                if (found == negate) return false;
                p = q;
            }
        } else if (c == '`' && p + 1 < pat.size()) {
            ++p;
            if (x != pat[p]) return false;
        } else if (x != c) {
            return false;
        }
        ++p;
        ++t;
    }
    return t == text.size();
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    std::u32string pat = Fold(pattern);
    std::u32string txt = Fold(text);
    // Alternatives split at "," not escaped by "`".
    std::vector<std::u32string> alternatives(1);
    for (std::size_t i = 0; i < pat.size(); ++i) {
        if (pat[i] == '`' && i + 1 < pat.size()) {
            alternatives.back() += pat[i];
            alternatives.back() += pat[++i];
        } else if (pat[i] == ',') {
            alternatives.emplace_back();
        } else {
            alternatives.back() += pat[i];
        }
    }
    for (const std::u32string& alt : alternatives) {
        bool negate = !alt.empty() && alt[0] == '~';
        bool match = MatchFrom(alt, negate ? 1 : 0, txt, 0);
        if (match != negate) return true;
    }
    return false;
}

}  // namespace engine::cad
