#include "core/text/NumberSyntax.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace marklode;
using namespace std::string_literals;

namespace {

// What strtod says when it must consume the whole text with no leading whitespace; the test
// process runs in the C locale.
std::optional<double> strtodWhole(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return value;
}

bool sameNumber(std::optional<double> a, std::optional<double> b) {
    if (!a || !b)
        return a.has_value() == b.has_value();
    if (std::isnan(*a) || std::isnan(*b))
        return std::isnan(*a) && std::isnan(*b) && std::signbit(*a) == std::signbit(*b);
    return *a == *b && std::signbit(*a) == std::signbit(*b);
}

} // namespace

TEST(NumberSyntaxTest, AcceptsExactlyTheCForms) {
    struct Case {
        std::string text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"8.5", 8.5},
        {"-0", -0.0},
        {"+1.5", 1.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000},
        {"1E-3", 0.001},
        {"+1e+3", 1000},
        {"0x1p3", 8},
        {"-0X.8P1", -1},
        {"0x10", 16},
        {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL},
        {"1e-400", 0},
        {"inf", HUGE_VAL},
        {"-INFINITY", -HUGE_VAL},
        {"+Inf", HUGE_VAL},
        {"", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"\t1", std::nullopt},
        {"1,5", std::nullopt},
        {"1e", std::nullopt},
        {"e1", std::nullopt},
        {".", std::nullopt},
        {"+", std::nullopt},
        {"--1", std::nullopt},
        {"0x", std::nullopt},
        {"infin", std::nullopt},
        {"nan(", std::nullopt},
        {"nan(a-b)", std::nullopt},
        {"1\0"s, std::nullopt},
        {"\xC2\xA0"
         "1",
         std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(sameNumber(parseNumber(c.text), c.value)) << c.text;
    for (const char* nan : {"nan", "NaN", "-nan", "nan()", "nan(0x1f_Z)", "+nan(1)"}) {
        auto value = parseNumber(nan);
        ASSERT_TRUE(value) << nan;
        EXPECT_TRUE(std::isnan(*value)) << nan;
    }
}

TEST(NumberSyntaxTest, MatchesStrtodOnRandomText) {
    // Biased towards number-like text so that both accepted and rejected forms are common.
    const std::string alphabet =
        "0123456789012345678901234567890123456789+-..eEexXpPinfatyINFAN() _";
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> length(1, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    int accepted = 0;
    for (int i = 0; i < 200'000; ++i) {
        std::string text(length(random), ' ');
        for (char& c : text)
            c = alphabet[pick(random)];
        std::optional<double> expected = strtodWhole(text);
        accepted += expected.has_value();
        ASSERT_TRUE(sameNumber(parseNumber(text), expected)) << text;
    }
    EXPECT_GT(accepted, 1000);

    // Short plain decimals (the common case, with its own fast path) and long digit strings
    // round exactly as strtod does.
    for (int i = 0; i < 200'000; ++i) {
        std::string digits = std::to_string(random()) + std::to_string(random());
        digits.resize(1 + random() % 17);
        std::size_t dot = random() % (digits.size() + 1);
        std::string text =
            (random() % 2 ? "-" : "") + digits.substr(0, dot) + "." + digits.substr(dot);
        ASSERT_TRUE(sameNumber(parseNumber(text), strtodWhole(text))) << text;
        ASSERT_TRUE(sameNumber(parseNumber(digits), strtodWhole(digits))) << digits;
    }
    for (int i = 0; i < 20'000; ++i) {
        std::string text = std::to_string(random()) + "." + std::to_string(random()) +
                           std::to_string(random()) + "e" +
                           std::to_string(int(random() % 700) - 350);
        ASSERT_TRUE(sameNumber(parseNumber(text), strtodWhole(text))) << text;
    }
}

TEST(NumberSyntaxTest, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            switched = true;
            break;
        }
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(parseNumber("+8.5"), 8.5);
    EXPECT_EQ(parseNumber("0x1.8p1"), 3.0);
    EXPECT_EQ(parseNumber("8,5"), std::nullopt);
    std::setlocale(LC_NUMERIC, saved.c_str());
}
