#include "rules/TransferMessages.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

using namespace marklode;

TEST(TransferMessagesTest, KeepPOIsPluralAndAddTheBackupNote) {
    auto grouped = [](std::int64_t count) {
        return count < 1000 ? std::to_string(count)
                            : std::to_string(count / 1000) + "," + std::to_string(count % 1000);
    };
    EXPECT_EQ(sentMessage(1, 1, "Edge 530", std::nullopt, grouped),
              "Sent 1 POIs in 1 category to Edge 530. The file was read back and checked.");
    EXPECT_EQ(sentMessage(1234, 2, "GARMIN", std::filesystem::path("/b/GARMIN/2026-12-07 08.00.00"),
                          grouped),
              "Sent 1,234 POIs in 2 categories to GARMIN. The file was read back and checked.\n\n"
              "The previous custom POIs were backed up to:\n/b/GARMIN/2026-12-07 08.00.00");
    EXPECT_EQ(removedMessage("Edge 530", std::nullopt), "Removed the custom POIs from Edge 530.");
    EXPECT_EQ(removedMessage("Edge 530", std::filesystem::path("/b/x")),
              "Removed the custom POIs from Edge 530.\n\nA backup was saved to:\n/b/x");
}
