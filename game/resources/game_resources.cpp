#include "game_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitGameQrc() {
  Q_INIT_RESOURCE(game);
}

namespace orbello {
void InitGameResources() {
  InitGameQrc();
}
}  // namespace orbello
