#include "toolkit/Themes.h"

#include "toolkit/SystemFunction.h"

namespace {

using TThemeQuery = BOOL(WINAPI*)();

}  // namespace

// uxtheme.dll came with Windows XP: before it, nothing is themed.
bool ThemesEnabled() {
  static const auto isAppThemed = SystemFunction<TThemeQuery>("uxtheme.dll", "IsAppThemed");
  static const auto isThemeActive = SystemFunction<TThemeQuery>("uxtheme.dll", "IsThemeActive");
  return isAppThemed && isThemeActive && isAppThemed() && isThemeActive();
}
