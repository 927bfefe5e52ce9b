// The stores' last resort: whatever a read or write throws (running out of memory, mostly) is
// shown as "Fatal Error" and the operation fails like any other failure, never ending the game.
#pragma once

#include <exception>

#include "game/records/core/records_messages.h"
#include "platform/core/message.h"

namespace orbello {

// Runs `operation` (returning true on success) and reports an exception out of it.
template <class Operation>
bool FailingOnException(void* owner, Operation operation) {
  try {
    return operation();
  } catch (const std::exception&) {
    platform::ShowError(records_message::kFatalError, owner);
    return false;
  }
}

}  // namespace orbello
