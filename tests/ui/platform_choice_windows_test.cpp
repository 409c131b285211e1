#include "ui/platform_choice.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Windows: GDI's font engine unless the user chose a platform of their own.
TEST(PlatformChoiceWindows, GdiFontsUnlessTheUserChose) {
    const struct {
        const char* qtPlatform;
        const char* expected;
    } rows[] = {
        {"", "windows:fontengine=gdi"},
        {"windows", ""},
        {"windows:fontengine=directwrite", ""},
        {"offscreen", ""},
    };
    for (const auto& row : rows) {
        const ui::PlatformChoice choice = ui::choosePlatform({.qtPlatform = row.qtPlatform});
        EXPECT_FALSE(choice.displayMissing) << row.qtPlatform;
        EXPECT_EQ(std::string(choice.platform), row.expected) << row.qtPlatform;
    }
}

} // namespace
