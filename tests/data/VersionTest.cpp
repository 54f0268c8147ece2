#include <algorithm>
#include <gtest/gtest.h>

#include "data/Version.h"

TEST(Version, HasFourParts)
{
    std::string v = bw::programVersion();
    EXPECT_EQ(3, std::count(v.begin(), v.end(), '.')) << v;
}
