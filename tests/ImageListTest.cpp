#include "toolkit/ImageList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "res/resource.h"

namespace {

// 16 x 16 pixels on white, drawn by draw into a 32-bit bitmap.
template <typename Draw>
std::vector<DWORD> Pixels(Draw draw) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, 16, 16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, 16, 16, WHITENESS);
  draw(dc);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + 16 * 16);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return pixels;
}

// Alike to the eye: each colour within 2 of the other (blending semi-transparent
// edges rounds differently from one drawing path to the other).
bool Alike(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    for (int shift : {0, 8, 16})
      if (std::abs(static_cast<int>(a[i] >> shift & 0xFF) - static_cast<int>(b[i] >> shift & 0xFF)) > 2) return false;
  return true;
}

TEST(ImageListTest, EachImageDrawsAsItsIconAndAMissingIconLeavesAnEmptyImageInItsPlace) {
  const int icons[] = {IDI_TAB_INFO, IDI_TAB_REGISTRY, IDI_TAB_AUTOSTART, IDI_TAB_INI,
                       IDI_TAB_BATCH, IDI_TAB_SYS, IDI_TAB_BACKUP, IDI_TAB_RESTART};
  constexpr int kNoIcon = 9999;
  const TImageList list({IDI_TAB_INFO, IDI_TAB_REGISTRY, IDI_TAB_AUTOSTART, kNoIcon, IDI_TAB_INI, IDI_TAB_BATCH,
                         IDI_TAB_SYS, IDI_TAB_BACKUP, IDI_TAB_RESTART});
  ASSERT_EQ(list.Count(), 9);
  const std::vector<DWORD> white(16 * 16, 0x00FFFFFF);
  EXPECT_EQ(Pixels([&](HDC dc) { ImageList_Draw(list.Handle(), 3, dc, 0, 0, ILD_NORMAL); }), white);
  for (int i = 0; i < 8; ++i) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icons[i]), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    const int image = i < 3 ? i : i + 1;
    const std::vector<DWORD> drawn = Pixels([&](HDC dc) { ImageList_Draw(list.Handle(), image, dc, 0, 0, ILD_NORMAL); });
    EXPECT_TRUE(Alike(drawn, Pixels([&](HDC dc) { DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL); })))
        << "icon " << i;
    EXPECT_NE(drawn, white) << "icon " << i;
    DestroyIcon(icon);
  }
}

}  // namespace
