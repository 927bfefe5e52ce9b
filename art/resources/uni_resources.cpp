#include <QtGlobal>

#include "art_resources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitUniResources() {
  Q_INIT_RESOURCE(uni);
}

namespace orbello::art {
void InitUninstallerResources() {
  InitUniResources();
}
}  // namespace orbello::art
