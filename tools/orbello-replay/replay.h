// orbello-replay: drives the engine from a text script and prints a transcript.
#pragma once

#include <istream>
#include <ostream>

namespace orbello::replay {

// Runs the script read from `in`, writing the transcript to `out`. Returns the tool's exit status:
// 0 when the script ran to its end or the program ended, 2 after a malformed line.
int RunScript(std::istream& in, std::ostream& out);

}  // namespace orbello::replay
