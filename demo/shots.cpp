// Draws every page of the main window, the entry dialog and the input box on
// the screen one after the other and saves each as a bitmap file, so that a
// person can look at the whole program at once. Run under a display:
//   velmora_shots.exe <folder>   writes <folder>\NN-<tab caption>.bmp
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/DesktopInteraction.h"
#include "app/InputQueryDialog.h"
#include "app/MainForm.h"
#include "registry/RegAdd.h"
#include "toolkit/Application.h"

namespace {

void LetItDraw() {
  for (int round = 0; round < 5; ++round) {
    Application().ProcessMessages();
    Sleep(60);
  }
}

// What the screen shows of the window, frame included, as a 24-bit bitmap.
bool SaveWindowImage(HWND window, const std::string& fileName) {
  RECT place;
  GetWindowRect(window, &place);
  int width = place.right - place.left, height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP image = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, image);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  GdiFlush();
  DWORD rowBytes = ((width * 3 + 3) / 4) * 4, imageBytes = rowBytes * height;
  BITMAPFILEHEADER header = {0x4D42, static_cast<DWORD>(sizeof header + sizeof info.bmiHeader + imageBytes), 0, 0,
                             static_cast<DWORD>(sizeof header + sizeof info.bmiHeader)};
  bool saved = false;
  if (FILE* file = std::fopen(fileName.c_str(), "wb")) {
    saved = std::fwrite(&header, sizeof header, 1, file) == 1 &&
            std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
            std::fwrite(bits, imageBytes, 1, file) == 1;
    saved = std::fclose(file) == 0 && saved;
  }
  SelectObject(memory, old);
  DeleteObject(image);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

// Tab captions with the characters a file name cannot hold replaced.
std::string FileNameOf(int number, std::string caption) {
  for (char& c : caption)
    if (c == '/' || c == '.' || c == ' ') c = '_';
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "%02d-", number);
  return prefix + caption + ".bmp";
}

bool Shoot(HWND window, const std::string& folder, const std::string& name) {
  LetItDraw();
  bool saved = SaveWindowImage(window, folder + "\\" + name);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", name.c_str());
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora_shots.exe <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  TDesktopInteraction desktop;
  SetInteraction(&desktop);
  Application().Initialize(true);
  Application().SetTitle("Velmora");
  TMainForm form;
  Application().MainForm = form.Handle();
  form.Show();
  bool allSaved = true;
  TPageControl& pages = *form.AutoStartPageControl;
  for (int i = 0; i < pages.PageCount(); ++i) {
    pages.SetActivePageIndex(i);
    allSaved = Shoot(form.Handle(), folder, FileNameOf(i, pages.PageCaption(i))) && allSaved;
  }
  {
    TRegAddDlg entry(form.Handle());
    entry.StringEdit.SetText("Lautstärke");
    entry.ValueEdit.SetText("C:\\Programme\\Uhrzeit\\uhr.exe /still");
    ShowWindow(entry.Handle(), SW_SHOW);
    allSaved = Shoot(entry.Handle(), folder, FileNameOf(pages.PageCount(), "Eintrag")) && allSaved;
  }
  {
    TInputQueryDialog box(form.Handle(), "Eintrag zum Autostart-Ordner hinzufügen",
                          "Name der Verknüpfung (erforderlich!)", "Editor");
    ShowWindow(box.Handle(), SW_SHOW);
    allSaved = Shoot(box.Handle(), folder, FileNameOf(pages.PageCount() + 1, "Eingabe")) && allSaved;
  }
  return allSaved ? 0 : 1;
}
