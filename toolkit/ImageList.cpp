#include "toolkit/ImageList.h"

#include <cstring>

namespace {

constexpr int kSize = 16;
constexpr int kColourRowBytes = kSize * 4;
constexpr int kMaskRowBytes = 4;  // 16 bits, padded to a whole DWORD
constexpr int kMaskRowUsed = kSize / 8;

// An icon resource's image as the file holds it: the header (of twice the
// height: colours and mask), the colours bottom-up, then the AND mask.
const BITMAPINFOHEADER* IconImage(HMODULE module, int id) {
  HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
  if (!group) return nullptr;
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  if (!directory) return nullptr;
  const int imageId = LookupIconIdFromDirectoryEx(directory, TRUE, kSize, kSize, LR_DEFAULTCOLOR);
  HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(imageId), reinterpret_cast<LPCSTR>(RT_ICON));
  if (!image || SizeofResource(module, image) < sizeof(BITMAPINFOHEADER) + kSize * (kColourRowBytes + kMaskRowBytes))
    return nullptr;
  auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
  const bool usable = header && header->biWidth == kSize && header->biHeight == 2 * kSize &&
                      header->biBitCount == 32 && header->biCompression == BI_RGB;
  return usable ? header : nullptr;
}

struct TStrip {
  HBITMAP bitmap = nullptr;
  BYTE* bits = nullptr;
};

// A bottom-up strip of count images side by side, as the icons' own rows run.
TStrip MakeStrip(int count, WORD bitsPerPixel) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info = {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = kSize * count;
  info.header.biHeight = kSize;
  info.header.biPlanes = 1;
  info.header.biBitCount = bitsPerPixel;
  info.header.biCompression = BI_RGB;
  info.colours[1] = {255, 255, 255, 0};
  TStrip strip;
  void* bits = nullptr;
  strip.bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  strip.bits = static_cast<BYTE*>(bits);
  return strip;
}

}  // namespace

// One strip of all icons, added at once: added one by one, each icon is
// drawn on its own, which takes Wine milliseconds per icon before the
// window can be shown.
TImageList::TImageList(std::initializer_list<int> iconIds) {
  const int count = static_cast<int>(iconIds.size());
  handle_ = ImageList_Create(kSize, kSize, ILC_COLOR32 | ILC_MASK, count, 0);
  const TStrip colours = MakeStrip(count, 32), mask = MakeStrip(count, 1);
  if (!colours.bits || !mask.bits) {
    DeleteObject(colours.bitmap);
    DeleteObject(mask.bitmap);
    return;
  }
  const int colourStride = kColourRowBytes * count, maskStride = (count * kSize + 31) / 32 * 4;
  std::memset(mask.bits, 0xFF, static_cast<size_t>(maskStride) * kSize);  // transparent until an icon is there
  HMODULE module = GetModuleHandleA(nullptr);
  int slot = 0;
  for (int id : iconIds) {
    if (const BITMAPINFOHEADER* image = IconImage(module, id)) {
      const BYTE* pixels = reinterpret_cast<const BYTE*>(image + 1);
      const BYTE* andMask = pixels + kSize * kColourRowBytes;
      for (int row = 0; row < kSize; ++row) {
        std::memcpy(colours.bits + row * colourStride + slot * kColourRowBytes, pixels + row * kColourRowBytes,
                    kColourRowBytes);
        std::memcpy(mask.bits + row * maskStride + slot * kMaskRowUsed, andMask + row * kMaskRowBytes, kMaskRowUsed);
      }
    }
    ++slot;
  }
  ImageList_Add(handle_, colours.bitmap, mask.bitmap);
  DeleteObject(colours.bitmap);
  DeleteObject(mask.bitmap);
}
