#include "core/text/Translation.h"

#include "translations/DesktopLanguage.h"

#include <gtest/gtest.h>

namespace marklode {
namespace {

TEST(FormattedTest, FillsNumberedPlaceholdersWhereverTheTemplatePutsThem) {
    struct Case {
        std::string_view text;
        std::string expected;
    } cases[] = {
        {"%1 of %2", "3 of 7"},   {"%2 von %1", "7 von 3"},
        {"%1 and %1", "3 and 3"}, {"%10 %", "30 %"}, // %1 then a digit; a lone % stays
        {"%3 %0 %n", "%3 %0 %n"},                    // no such argument: left for the reader to see
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatted(c.text, {"3", "7"}), c.expected) << c.text;
    // An argument's own %2 is text, not a placeholder.
    EXPECT_EQ(formatted("%1, %2", {"50%2", "x"}), "50%2, x");
}

std::string germanRows(const char*, const char* source, const char*, int n) {
    if (std::string_view(source) != "%n rows")
        return {};
    return n == 1 ? "%n Zeile" : "%n Zeilen";
}

TEST(TranslateTest, TakesTheTranslatorsFormAndFillsTheCount) {
    setTranslator(germanRows);
    EXPECT_EQ(translate("Test", "%n rows", nullptr, 1), "1 Zeile");
    EXPECT_EQ(translate("Test", "%n rows", nullptr, 5), "5 Zeilen");
    EXPECT_EQ(translate("Test", "No translation for %n", nullptr, 2), "No translation for 2");
    EXPECT_EQ(translate("Test", "Plain"), "Plain");
    setTranslator(nullptr);
    EXPECT_EQ(translate("Test", "%n rows", nullptr, 1), "1 rows");
    useLanguage("en");
}

} // namespace
} // namespace marklode
