#include "engine/text/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

#include "engine/Errors.h"
#include "engine/text/Encoding.h"

namespace engine {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A value's decimal digits: value = 0.d1d2d3... x 10^pointPos, negative by sign.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty means zero
    int pointPos = 0;    // digits before the decimal point
};

// The 15-significant-digit decimal form of a finite value.
Decimal ToDecimal(long double value) {
    Decimal d;
    if (value == 0 || !std::isfinite(value)) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);  // d.ddddddddddddddde±XX
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int exponent = std::atoi(p + 1);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    d.digits = digits;
    d.pointPos = exponent + 1;
    return d;
}

// Rounds to `places` decimals, halves away from zero (the digits are exact, so a
// first dropped digit of 5 or more rounds the magnitude up).
void RoundTo(Decimal& d, int places) {
    int keep = d.pointPos + places;
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.pointPos = 0;
}

std::string WriteFixed(const Decimal& d, int places) {
    std::string out;
    if (d.negative && !d.digits.empty()) out += '-';
    auto digitAt = [&](int i) -> char {  // i-th digit after the leading position
        return (i >= 0 && i < static_cast<int>(d.digits.size())) ? d.digits[i] : '0';
    };
    if (d.pointPos <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.pointPos; ++i) out += digitAt(i);
    }
    if (places > 0) {
        out += '.';
        for (int i = 0; i < places; ++i) out += digitAt(d.pointPos + i);
    }
    return out;
}

locale_t CLocale() {
    static locale_t loc = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return loc;
}

// The suite's files hold millions of short decimals. When the digits fit in 64 bits
// and there is no exponent, mantissa and power of ten are both exact long doubles,
// so one division gives the correctly rounded value, the same as strtold.
std::optional<long double> ParseShortDecimal(const std::string& t) {
    static constexpr long double kPow10[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L,
                                             1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    unsigned long long mantissa = 0;
    int digits = 0, fraction = -1;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c == '.') {
            fraction = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;  // exponent: leave it to strtold
        if (++digits > 18) return std::nullopt;
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        if (fraction >= 0) ++fraction;
    }
    long double v = static_cast<long double>(mantissa);
    if (fraction > 0) v /= kPow10[fraction];
    return negative ? -v : v;
}

std::string Pad(std::string s, int width, int alignment) {
    std::size_t n = CharCount(s);
    if (n < static_cast<std::size_t>(width)) {
        if (alignment == kFillRight) s.append(width - n, ' ');
        else if (alignment == kFillLeft) s.insert(0, width - n, ' ');
    }
    return s;
}

}  // namespace

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

std::string NumberToText(long double value) {
    Decimal d = ToDecimal(value);
    if (d.digits.empty()) return "0";
    int n = static_cast<int>(d.digits.size());
    if (d.pointPos > 15 || d.pointPos < -3) {  // exponent form, as "1.5E20"
        std::string out = d.negative ? "-" : "";
        out += d.digits[0];
        if (n > 1) out.append(".").append(d.digits, 1);
        out += 'E';
        out += std::to_string(d.pointPos - 1);
        return out;
    }
    return WriteFixed(d, std::max(0, n - d.pointPos));
}

std::optional<long double> ParseNumber(std::string_view text) {
    std::string t = Trim(text);
    std::size_t i = 0, n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    if (auto v = ParseShortDecimal(t)) return v;
    long double v = strtold_l(t.c_str(), nullptr, CLocale());
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

long double TextToNumber(std::string_view text) {
    if (auto v = ParseNumber(text)) return *v;
    throw ConversionError("'" + std::string(text) + "' não é um número válido.");
}

std::optional<long long> ParseInteger(std::string_view text, bool exact) {
    // exact: leading blanks pass (a right-aligned field), trailing ones do not
    std::string t = exact ? std::string(text) : Trim(text);
    std::size_t i = 0, n = t.size();
    while (exact && i < n && t[i] == ' ') ++i;
    t.erase(0, i);
    i = 0;
    n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == n || n - i > 18) return std::nullopt;
    for (std::size_t k = i; k < n; ++k)
        if (t[k] < '0' || t[k] > '9') return std::nullopt;
    return std::strtoll(t.c_str(), nullptr, 10);
}

long long TextToInteger(std::string_view text, bool exact) {
    if (auto v = ParseInteger(text, exact)) return *v;
    throw ConversionError("'" + std::string(text) + "' não é um número inteiro válido.");
}

std::string FixedText(long double value, int decimals) {
    Decimal d = ToDecimal(value);
    RoundTo(d, decimals);
    return WriteFixed(d, decimals);
}

std::string FormatNumberText(std::string_view text, int width, int alignment, int decimals) {
    if (width < 1) width = 1;
    std::string t = Trim(text);
    std::string result;
    if (t.empty() || t[0] == '*') {
        result.assign(width, decimals != 0 ? '*' : ' ');
    } else if (decimals != 0) {
        long double v = ParseNumber(t).value_or(0.0L);
        if (alignment == kCut) {
            result = FixedText(v, decimals + 2);
            result.resize(result.size() - 2);
        } else {
            result = FixedText(v, decimals);
        }
        result = Pad(result, width, alignment);
    } else {
        result = Pad(t, width, alignment);
    }
    if (CharCount(result) > static_cast<std::size_t>(width)) result = LeftChars(result, width);
    return result;
}

}  // namespace engine
