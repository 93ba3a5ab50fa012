// Prints how long the main window takes to open with every page loaded, how
// long a Run key of 5,000 values takes to load into the list, a 1 MB text
// file into its page (and once more, unchanged), one 20,000-character line
// to be laid out on a page, and (on the NT family) 500 and 2,000 services
// and scheduled tasks read for their pages and for the list of every entry.
#include <windows.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/DesktopInteraction.h"
#include "app/MainForm.h"
#include "app/StartupListing.h"
#include "print/GdiListingCanvas.h"
#include "services/ServiceEntries.h"
#include "support/Tools.h"
#include "tasks/TaskEntries.h"
#include "tasks/TaskFiles.h"
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

// Services of the bench's own, as an installer makes them; removed again.
class TBenchServices {
 public:
  explicit TBenchServices(int count) : manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {
    for (int i = 0; i < count; ++i) {
      const std::wstring name = L"VelmoraBench" + std::to_wstring(i);
      const std::wstring image = L"\"C:\\Programme\\Dienst " + std::to_wstring(i) + L"\\dienst.exe\" /dienst";
      SC_HANDLE service =
          CreateServiceW(manager_, name.c_str(), (L"Dienst " + std::to_wstring(i)).c_str(), SERVICE_ALL_ACCESS,
                         SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, image.c_str(), nullptr,
                         nullptr, nullptr, nullptr, nullptr);
      if (service) services_.push_back(service);
    }
  }
  ~TBenchServices() {
    for (SC_HANDLE service : services_) {
      DeleteService(service);
      CloseServiceHandle(service);
    }
    CloseServiceHandle(manager_);
  }
  int Count() const { return static_cast<int>(services_.size()); }

 private:
  SC_HANDLE manager_;
  std::vector<SC_HANDLE> services_;
};

// Logon tasks of the bench's own in the scheduler's files; removed again.
class TBenchTasks {
 public:
  explicit TBenchTasks(int count) : folder_(TasksFolder() + L"\\VelmoraBench") {
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
      const std::string xml =
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
          "<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
          "<RegistrationInfo><Author>Hersteller</Author></RegistrationInfo>"
          "<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>"
          "<Settings><Enabled>true</Enabled></Settings>"
          "<Actions><Exec><Command>C:\\Programme\\Werkzeug " +
          std::to_string(i) + "\\werkzeug.exe</Command><Arguments>/anmeldung</Arguments></Exec></Actions></Task>\r\n";
      const std::wstring file = folder_ + L"\\Aufgabe " + std::to_wstring(i);
      HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      DWORD written = 0;
      WriteFile(handle, xml.data(), static_cast<DWORD>(xml.size()), &written, nullptr);
      CloseHandle(handle);
      files_.push_back(file);
    }
  }
  ~TBenchTasks() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

 private:
  std::wstring folder_;
  std::vector<std::wstring> files_;
};

// Reads the entries as their page does, then the list of every entry.
template <typename TEntries>
void MeasureReading(int count, const char* what) {
  Clock::time_point start = Clock::now();
  TEntries entries;
  entries.Load();
  const double page = MillisecondsSince(start);
  start = Clock::now();
  const size_t listed = ListStartupEntries().size();
  std::printf("%d %s: %.0f ms for their page (%zu entries), %.0f ms for the list of every entry (%zu rows)\n", count,
              what, page, entries.Entries().size(), MillisecondsSince(start), listed);
}

void MeasureServicesAndTasks() {
  CoInitialize(nullptr);  // the list reads the start-up folders' shortcuts
  for (int count : {500, 2000}) {
    {
      TBenchServices services(count);
      MeasureReading<TServiceEntries>(services.Count(), "services");
    }
    TBenchTasks tasks(count);
    MeasureReading<TTaskEntries>(count, "tasks");
  }
  CoUninitialize();
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
    TFileShown shown = TFileShown::Whole;
    start = Clock::now();
    LoadFileIntoMemo(file, form.Config->Memo, shown);
    std::printf("load of a 1 MB text file into its page: %.0f ms (%zu bytes shown)\n", MillisecondsSince(start),
                form.Config->Memo.Text().size());
    start = Clock::now();
    LoadFileIntoMemo(file, form.Config->Memo, shown);
    std::printf("reload of the same 1 MB text file: %.0f ms\n", MillisecondsSince(start));
    DeleteFileA(file.c_str());
  }
  std::printf("print layout of one 20,000-character line: %.0f ms\n", MillisecondsToLayOutOneLine(20000));
  if (IsWinNT) MeasureServicesAndTasks();
  return 0;
}
