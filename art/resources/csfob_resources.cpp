#include <QtGlobal>

#include "art_resources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitCsfobResources() {
  Q_INIT_RESOURCE(csfob);
}

namespace orbello::art {
void InitCompilerResources() {
  InitCsfobResources();
}
}  // namespace orbello::art
