#include "toolkit/BufferedPaint.h"

#include "toolkit/Subclass.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4250;  // "BP"

// The window whose BeginPaint is running: the erasing it asks for is done
// in memory with the rest (on the screen it would show for a moment).
// Others who ask it to erase into their DC get that as before.
HWND beginningPaint = nullptr;

// A DIB section, not a bitmap compatible with the screen: GDI answers what
// it asks of the bitmap's format from the bitmap itself.
HBITMAP CreateTopDownBitmap(HDC screen, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// The control's own erasing and painting of its client area, into dc.
void ControlPaints(HWND window, HDC dc) {
  CallNextSubclass(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  CallNextSubclass(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

// The control paints into memory (in its own coordinates, shifted so that
// the area to paint starts the bitmap), and the area is copied; where
// memory runs out it paints on the screen.
void PaintArea(HWND window, HDC screen, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = memory ? CreateTopDownBitmap(screen, width, height) : nullptr;
  if (!bitmap) {
    if (memory) DeleteDC(memory);
    ControlPaints(window, screen);
    return;
  }
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
  ControlPaints(window, memory);
  BitBlt(screen, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

LRESULT CALLBACK BufferedProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_ERASEBKGND:
      if (window == beginningPaint) return 1;
      break;
    case WM_PAINT: {
      if (wParam) break;  // painting into a DC it is given
      PAINTSTRUCT paint;
      beginningPaint = window;
      HDC screen = BeginPaint(window, &paint);
      beginningPaint = nullptr;
      if (screen) PaintArea(window, screen, paint.rcPaint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      RemoveSubclass(window, BufferedProc, kSubclassId);
      break;
  }
  return CallNextSubclass(window, msg, wParam, lParam);
}

}  // namespace

bool PaintThroughMemory(HWND window) { return AddSubclass(window, BufferedProc, kSubclassId, 0); }
