// The version text and the numeric version of the program file come from one
// header; they must describe the same version.
#include <gtest/gtest.h>

#include <string>

#include "app/Version.h"

TEST(VersionInfo, TextMatchesTheNumbers)
{
    const std::string numbers = std::to_string(FOLVANE_VERSION_MAJOR) + "." + std::to_string(FOLVANE_VERSION_MINOR)
        + "." + std::to_string(FOLVANE_VERSION_RELEASE) + "." + std::to_string(FOLVANE_VERSION_BUILD);
    EXPECT_EQ(FOLVANE_VERSION_TEXT, numbers);
    EXPECT_EQ("1.2.0.0", numbers);
    EXPECT_EQ(FOLVANE_VERSION_SHORT_TEXT,
        std::to_string(FOLVANE_VERSION_MAJOR) + "." + std::to_string(FOLVANE_VERSION_MINOR));
}
