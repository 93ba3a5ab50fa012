#pragma once
// True while the program's windows are drawn with visual themes.
bool ThemesEnabled();
