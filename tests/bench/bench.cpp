// Prints how long the main window takes to open with every page loaded, how
// long a Run key of 5,000 values takes to load into the list, a 1 MB text
// file into its page (and once more, unchanged), and one 20,000-character
// line to be laid out on a page.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/DesktopInteraction.h"
#include "app/MainForm.h"
#include "print/GdiListingCanvas.h"
#include "toolkit/Application.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Milliseconds since this process was created, as Windows counts it.
double MillisecondsSinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

const char kBenchKey[] = "Software\\VelmoraBench\\Run";

void FillBenchKey(int count) {
  HKEY key;
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraBench");
  RegCreateKeyExA(HKEY_CURRENT_USER, kBenchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  for (int i = 0; i < count; ++i) {
    std::string name = "Eintrag " + std::to_string((i * 7919) % count);
    std::string data = "C:\\Programme\\Werkzeug " + std::to_string(i) + "\\werkzeug.exe /autostart";
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
  RegCloseKey(key);
}

// A page of a printer at 300 dpi, as a memory device context.
double MillisecondsToLayOutOneLine(size_t length) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP page = CreateCompatibleBitmap(dc, 2480, 3508);
  HGDIOBJ previous = SelectObject(dc, page);
  int pages = 1;
  Clock::time_point start = Clock::now();
  {
    TGdiListingCanvas canvas(dc, 2480, 3508, [&] { ++pages; });
    LayOutListing(canvas, {std::string(length, 'x')});
  }
  double elapsed = MillisecondsSince(start);
  SelectObject(dc, previous);
  DeleteObject(page);
  DeleteDC(dc);
  return elapsed;
}

}  // namespace

int main() {
  TDesktopInteraction desktop;
  SetInteraction(&desktop);
  Application().Initialize(false);
  {
    TMainForm form;
    form.Show();
    Application().ProcessMessages();
    std::printf("start-up (process start to window shown, all pages loaded): %.0f ms\n",
                MillisecondsSinceProcessStart());

    constexpr int kValues = 5000;
    FillBenchKey(kValues);
    Clock::time_point start = Clock::now();
    form.WinReg->LoadRegKey(std::string("HKEY_CURRENT_USER\\") + kBenchKey);
    std::printf("load of a Run key with %d values into the list: %.0f ms (%d rows)\n", kValues,
                MillisecondsSince(start), form.WinReg->RegView.Count());
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraBench");

    std::string big;
    while (big.size() < (1 << 20)) big += "; eine Zeile einer großen System.ini, wie sie manche Installation hinterlässt\r\n";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "velmora-bench-config.sys";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(handle, big.data(), static_cast<DWORD>(big.size()), &written, nullptr);
    CloseHandle(handle);
    bool binary = false;
    start = Clock::now();
    LoadFileIntoMemo(file, form.Config->Memo, binary);
    std::printf("load of a 1 MB text file into its page: %.0f ms (%zu bytes shown)\n", MillisecondsSince(start),
                form.Config->Memo.Text().size());
    start = Clock::now();
    LoadFileIntoMemo(file, form.Config->Memo, binary);
    std::printf("reload of the same 1 MB text file: %.0f ms\n", MillisecondsSince(start));
    DeleteFileA(file.c_str());
  }
  std::printf("print layout of one 20,000-character line: %.0f ms\n", MillisecondsToLayOutOneLine(20000));
  return 0;
}
