// The names of a shipped skin's ball colours in the player's language, for the screen reader.
// Each language has a names file of its own beside the skin ("classic.sf" ->
// "classic.sf.de.names"), in the format of the English one (color_names.h) and bound to the skin
// file's bytes in the same way; the English file and the skin file format stay as they are.
#pragma once

#include <string>

#include "skinfile/color_names.h"

namespace orbello::skinfile {

// "<skin path>.<language>.names"; for an empty language the English "<skin path>.names".
std::string LanguageColorNamesPath(const std::string& skin_path, const std::string& language);

// The names for the skin at `skin_path` in `language` ("de", "pt_BR"; empty for English) when
// that language's names file is well formed and belongs to the skin file's present bytes; false
// otherwise, leaving *names alone (the caller then says the English or the numbered names).
bool ReadLanguageColorNames(const std::string& skin_path, const std::string& language,
                            ColorNames* names);

}  // namespace orbello::skinfile
