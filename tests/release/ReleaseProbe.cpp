// Looks at an installed Velmora from the outside, for the installer test:
//   ReleaseProbe version-info <exe>  prints the version resource's
//                                    ProductVersion and CompanyName;
//   ReleaseProbe start <exe>         starts the program, prints the version
//                                    text its Info page shows, presses
//                                    "Hilfe" and reports whether the help
//                                    window opened, then closes the program.
// Exit status 0 when every step worked; otherwise a line on stderr says
// which did not.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 20000;
constexpr DWORD kPollMs = 100;

int Fail(const std::string& message) {
  std::fprintf(stderr, "ReleaseProbe: %s\n", message.c_str());
  return 1;
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\040704E4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
    return {};
  return std::string(value, length - 1);
}

int PrintVersionInfo(const char* exe) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(exe, &handle);
  if (size == 0) return Fail(std::string("no version resource in ") + exe);
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(exe, 0, size, block.data())) return Fail("version resource unreadable");
  std::printf("ProductVersion=%s\n", VersionString(block, "ProductVersion").c_str());
  std::printf("CompanyName=%s\n", VersionString(block, "CompanyName").c_str());
  return 0;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

struct ChildSearch {
  std::string className;
  std::string textPrefix;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
  auto& search = *reinterpret_cast<ChildSearch*>(data);
  if (ClassName(child) == search.className && WindowText(child).rfind(search.textPrefix, 0) == 0) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& textPrefix) {
  ChildSearch search{className, textPrefix};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TopLevelSearch {
  DWORD processId;
  std::string className;  // empty: any visible window holding the Info page's version text
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(data);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId) return TRUE;
  bool matches = search.className.empty()
                     ? IsWindowVisible(window) && FindChild(window, "Static", "Velmora Version ")
                     : ClassName(window) == search.className;
  if (matches) search.found = window;
  return matches ? FALSE : TRUE;
}

HWND WaitForTopLevel(DWORD processId, const std::string& className) {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    TopLevelSearch search{processId, className};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(kPollMs);
  }
  return nullptr;
}

// Shows the main window's Info page text and the help window; the program is
// closed in any case.
int CheckRunningProgram(const PROCESS_INFORMATION& process) {
  HWND mainWindow = WaitForTopLevel(process.dwProcessId, "");
  if (!mainWindow) return Fail("no main window with the Info page's version text");
  std::printf("Info=%s\n", WindowText(FindChild(mainWindow, "Static", "Velmora Version ")).c_str());

  HWND helpButton = FindChild(mainWindow, "Button", "&Hilfe");
  if (!helpButton) return Fail("no button \"Hilfe\"");
  PostMessageA(helpButton, BM_CLICK, 0, 0);
  // HTML Help opens its window only when it found the help file.
  HWND helpWindow = WaitForTopLevel(process.dwProcessId, "HH Parent");
  std::printf("Help=%s\n", helpWindow ? "shown" : "missing");
  if (helpWindow) PostMessageA(helpWindow, WM_CLOSE, 0, 0);
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  return helpWindow ? 0 : Fail("the help window did not open");
}

int StartProgram(const char* exe) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = std::string("\"") + exe + "\"";
  if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return Fail(std::string("cannot start ") + exe);
  int result = CheckRunningProgram(process);
  if (WaitForSingleObject(process.hProcess, kWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    result = Fail("the program did not end after WM_CLOSE");
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "version-info") return PrintVersionInfo(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "start") return StartProgram(argv[2]);
  return Fail("usage: ReleaseProbe version-info|start <exe>");
}
