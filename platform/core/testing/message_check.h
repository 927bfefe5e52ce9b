// For tests of what a program asks or tells the player: a shown box compared with the expected
// one part by part, each difference named in the failure.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/core/message.h"

namespace orbello::testing {

// Whether `shown` has the words, caption, icon, buttons, default button and owner of `expected`.
inline ::testing::AssertionResult IsMessage(const platform::MessageRequest& shown,
                                            const platform::MessageRequest& expected) {
  std::string differences;
  if (shown.text != expected.text)
    differences += " text \"" + shown.text + "\"";
  if (shown.caption != expected.caption)
    differences += " caption \"" + shown.caption + "\"";
  if (shown.icon != expected.icon)
    differences += " icon " + std::to_string(static_cast<int>(shown.icon));
  if (shown.buttons != expected.buttons)
    differences += " buttons " + std::to_string(static_cast<int>(shown.buttons));
  if (shown.default_button != expected.default_button)
    differences += " default button " + std::to_string(shown.default_button);
  if (shown.owner != expected.owner)
    differences += " owner";
  if (differences.empty())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the box differs in" << differences;
}

}  // namespace orbello::testing
