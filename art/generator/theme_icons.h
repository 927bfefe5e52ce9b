// The icons the desktop shows for the installed programs, drawn anew at every size of the icon
// theme so that small sizes stay sharp instead of being shrunk from a large picture.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace orbello::art {

enum class ThemeIcon { kGame, kSkinCompiler, kUninstall, kHelp };

struct ThemeIconName {
  ThemeIcon icon;
  const char* name;  // the file name without ".png", as the desktop entries name it
};

// The four icons and their names in the theme.
const std::vector<ThemeIconName>& ThemeIconNames();
// The sizes in pixels, each drawn separately: 16, 22, 24, 32, 48, 64, 128, 256.
const std::vector<int>& ThemeIconSizes();

// `size` x `size` pixels, transparent around the picture. Geometry is laid on whole pixels at
// every size; below 32 pixels fine detail (soft shadows, highlights of the small balls) gives way
// to plain shapes with one-pixel rims.
QImage PaintThemeIcon(ThemeIcon icon, int size);

}  // namespace orbello::art
