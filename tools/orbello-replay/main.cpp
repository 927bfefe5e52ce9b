// Usage: orbello-replay [SCRIPT]  (standard input when no script is named)
#include <fstream>
#include <iostream>

#include "tools/orbello-replay/replay.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: orbello-replay [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "orbello-replay: cannot open " << argv[1] << "\n";
      return 2;
    }
    return orbello::replay::RunScript(file, std::cout);
  }
  return orbello::replay::RunScript(std::cin, std::cout);
}
