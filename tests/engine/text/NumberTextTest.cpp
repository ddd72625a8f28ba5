#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <random>
#include <utility>

#include "engine/Errors.h"
#include "engine/text/Encoding.h"
#include "engine/text/NumberText.h"

using namespace engine;

namespace {

struct FormatCase {
    const char* text;
    int width, alignment, decimals;
    std::string expected;
};

class FormatNumberTextCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTextCases, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumberText(c.text, c.width, c.alignment, c.decimals), c.expected)
        << "'" << c.text << "' " << c.width << "," << c.alignment << "," << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormatNumberTextCases,
    ::testing::Values(
        FormatCase{"1.5", 15, 0, 2, "1.50"},
        FormatCase{" -0.5", 15, 0, 2, "-0.50"},
        FormatCase{"1.27", 15, 5, 1, "1.2"},
        FormatCase{"1.27", 15, 0, 1, "1.3"},
        FormatCase{"abacaxi", 15, 0, 3, "0.000"},
        FormatCase{"", 9, 3, 3, "*********"},
        FormatCase{"", 15, 1, 0, std::string(15, ' ')},
        FormatCase{"*12", 15, 0, 3, std::string(15, '*')},
        FormatCase{"paralelas", 5, 1, 0, "paral"},
        FormatCase{"7", 4, 3, 0, "   7"},
        FormatCase{"9.87", 3, 0, 2, "9.8"},
        // decimal rounding on the 15-digit form, halves away from zero
        FormatCase{"2.675", 15, 0, 2, "2.68"},
        FormatCase{"1.005", 15, 0, 2, "1.01"},
        FormatCase{"-2.675", 15, 0, 2, "-2.68"},
        FormatCase{"0.0005", 15, 0, 3, "0.001"},
        FormatCase{"999.9995", 15, 0, 3, "1000.000"},
        FormatCase{"-0.0004", 15, 0, 3, "0.000"},
        FormatCase{"1.2999", 15, 5, 2, "1.29"},
        FormatCase{"-1.27", 15, 5, 1, "-1.2"},
        FormatCase{"1e3", 15, 0, 1, "1000.0"},
        FormatCase{"12345678901234567", 20, 0, 1, "12345678901234600.0"},
        FormatCase{"3", 8, 1, 2, "3.00    "},
        FormatCase{"3", 8, 3, 2, "    3.00"},
        FormatCase{"  texto  ", 7, 3, 0, "  texto"},
        FormatCase{"1,5", 15, 0, 2, "0.00"},
        FormatCase{"Obra de Arte", 15, 0, 0, "Obra de Arte"},
        FormatCase{"ação", 6, 3, 0, "  ação"},
        FormatCase{"ação", 2, 0, 0, "aç"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return "case" + std::to_string(info.index); });

TEST(NumberText, ShortestDecimalFormHasFifteenDigits) {
    EXPECT_EQ(NumberToText(2.675L), "2.675");
    EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberToText(-12.5L), "-12.5");
    EXPECT_EQ(NumberToText(0.0L), "0");
    EXPECT_EQ(NumberToText(-0.0L), "0");
    EXPECT_EQ(NumberToText(1e20L), "1E20");
    EXPECT_EQ(NumberToText(0.00001234L), "1.234E-5");
    EXPECT_EQ(NumberToText(0.0001234L), "0.0001234");
    EXPECT_EQ(NumberToText(1234567.25L), "1234567.25");
}

TEST(NumberText, ParsingIgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    // A comma locale, when the machine has one; the parse must not care.
    std::setlocale(LC_NUMERIC, "pt_BR.UTF-8");
    EXPECT_EQ(ParseNumber("1.5").value(), 1.5L);
    EXPECT_EQ(FormatNumberText("2.5", 15, 0, 1), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, StrictConversionsNameTheValue) {
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("."));
    EXPECT_FALSE(ParseNumber("1.2.3"));
    EXPECT_FALSE(ParseNumber("1e"));
    EXPECT_EQ(*ParseNumber(" +3.5 "), 3.5L);
    EXPECT_EQ(*ParseNumber("-.5"), -0.5L);
    try {
        TextToNumber("12a");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("'12a'"), std::string::npos);
    }
    EXPECT_EQ(TextToInteger(" 42 "), 42);
    EXPECT_THROW(TextToInteger("42  ", true), ConversionError);  // untrimmed count field
    EXPECT_EQ(TextToInteger("   42", true), 42);  // right-aligned field
}

TEST(Encoding, Windows1252RoundTrip) {
    std::string cp = "Ors\xE7" "amento \x80 \x93x\x94";
    std::string utf8 = Cp1252ToUtf8(cp);
    EXPECT_EQ(utf8, "Orsçamento € “x”");
    EXPECT_EQ(Utf8ToCp1252(utf8), cp);
    EXPECT_EQ(Utf8ToCp1252("日"), "?");
    EXPECT_EQ(CharCount("Município"), 9u);
    EXPECT_EQ(LeftChars("Município", 5), "Munic");
    EXPECT_EQ(LeftChars("Município", 6), "Municí");
}

TEST(Encoding, AppendUtf8WritesOneToFourBytes) {
    const std::pair<char32_t, std::string> cases[] = {
        {U'A', "A"},          {0x7F, "\x7F"},        {0x80, "\xC2\x80"},       {U'ç', "ç"},
        {0x7FF, "\xDF\xBF"}, {0x800, "\xE0\xA0\x80"}, {U'€', "€"},               {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"}, {U'😀', "😀"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"}};
    for (const auto& [cp, bytes] : cases) {
        std::string out = "x";
        AppendUtf8(out, cp);
        EXPECT_EQ(out, "x" + bytes) << static_cast<unsigned>(cp);
    }
}

}  // namespace

namespace {

// Short decimals take a fast path; it must agree bit for bit with the C library.
TEST(NumberText, ParsingShortDecimalsMatchesStrtold) {
    std::mt19937_64 rng(12345);
    for (int k = 0; k < 20000; ++k) {
        unsigned long long m = rng() % 1000000000000000000ULL;
        int frac = static_cast<int>(rng() % 19);
        std::string digits = std::to_string(m);
        if (frac > 0) {
            if (static_cast<int>(digits.size()) <= frac) digits.insert(0, frac - digits.size() + 1, '0');
            digits.insert(digits.size() - frac, 1, '.');
        }
        if (rng() % 2) digits.insert(0, 1, '-');
        long double expected = std::strtold(digits.c_str(), nullptr);
        EXPECT_EQ(ParseNumber(digits).value(), expected) << digits;
    }
}

}  // namespace
