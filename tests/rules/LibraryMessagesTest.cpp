#include "rules/LibraryMessages.h"

#include <gtest/gtest.h>

using namespace marklode;

TEST(LibraryMessagesTest, ReplacePromptNamesTheFileBetweenCurlyQuotes) {
    EXPECT_EQ(replacePromptTexts("route 2.gpi"),
              (ReplacePromptTexts{"\u201Croute 2.gpi\u201D already exists.",
                                  "Do you want to replace it? This can't be undone.", "Replace",
                                  "Skip", "Stop Saving"}));
}
