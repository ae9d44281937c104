// placeholder
#include <gtest/gtest.h>
TEST(ProfileCheck, Placeholder) {}
