#include "toolkit/Themes.h"

#include <windows.h>
#include <uxtheme.h>

bool ThemesEnabled() { return IsAppThemed() && IsThemeActive(); }
