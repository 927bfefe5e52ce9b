// Registration of the skin compiler's and the uninstaller's Qt resources. Linking the OBJECT
// libraries registers them at start-up; programs that link them through a static archive call
// these once before the first use instead.
#pragma once

namespace orbello::art {

void InitCompilerResources();     // :/csfob/...
void InitUninstallerResources();  // :/uni/...

}  // namespace orbello::art
