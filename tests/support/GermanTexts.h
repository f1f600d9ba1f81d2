#pragma once

#include "translations/DesktopLanguage.h"

#include <gtest/gtest.h>

// A test that reads the texts in German, and leaves English behind for the tests after it.
class GermanTextsTest : public ::testing::Test {
  protected:
    void SetUp() override { marklode::useLanguage("de"); }
    void TearDown() override { marklode::useLanguage("en"); }
};
