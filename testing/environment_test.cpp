// The tests of a program see every environment entry their registration gives them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "(unset)" : value;
}

TEST(TestEnvironment, EveryEntryReachesTheTest) {
  EXPECT_EQ(Variable("QT_QPA_PLATFORM"), "offscreen");
  EXPECT_EQ(Variable("ORBELLO_TEST_FIRST"), "first");
  EXPECT_EQ(Variable("ORBELLO_TEST_SECOND"), "second entry");
}

}  // namespace
