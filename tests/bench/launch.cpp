// Starts a program and reports, from outside, what a user waits for: the
// time until its first top-level window is visible, optionally the time until
// a list view of it holds a number of rows or an edit control holds a number
// of characters, and its peak working set by then. The same measure serves
// Velmora and the system's own tools, so their figures can stand side by side.
// With --tab the tab of that number is chosen as soon as the window is
// there, as a user's click would choose it.
//
//   velmora_launch_bench.exe [--rows N | --chars N] [--tab T] program.exe [arguments]
//
// Prints one line: "window <ms> ready <ms> peak <KiB>".
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Target {
  DWORD processId = 0;
  enum class Wait { Window, Rows, Chars } wait = Wait::Window;
  long long amount = 0;
  HWND window = nullptr;
  bool ready = false;
  int tab = -1;
  bool tabChosen = false;
};

BOOL CALLBACK ChooseTab(HWND child, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (std::strcmp(className, "SysTabControl32") != 0) return TRUE;
  // Unlike a selection, the focus sets the tab as a click does: the window
  // is told of the change. Wine's tab control only takes note of the first
  // focus it is given, so the first tab (shown at start) gets it first.
  // Posted, as a click is queued: the program gets both before its next
  // idle turn, whatever it is doing when they come.
  PostMessageA(child, 0x1330 /* TCM_SETCURFOCUS */, 0, 0);
  PostMessageA(child, 0x1330 /* TCM_SETCURFOCUS */, target.tab, 0);
  target.tabChosen = true;
  return FALSE;
}

BOOL CALLBACK InspectChild(HWND child, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  // Neither message carries a pointer, so both work across processes. The
  // length is asked for in characters: asked for in bytes, Wine fetches the
  // whole text from the other process to count them, and the figure would
  // include copying megabytes to the measuring program. The texts measured
  // have one byte per character, so both counts are the same.
  if (target.wait == Target::Wait::Rows && std::strcmp(className, "SysListView32") == 0)
    target.ready = SendMessageA(child, 0x1004 /* LVM_GETITEMCOUNT */, 0, 0) >= target.amount;
  if (target.wait == Target::Wait::Chars && _stricmp(className, "Edit") == 0)
    target.ready = SendMessageW(child, WM_GETTEXTLENGTH, 0, 0) >= target.amount;
  return !target.ready;
}

// One that takes room on the screen: a window of no size (as the one an
// application keeps for its taskbar button) shows the user nothing.
BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
  auto& target = *reinterpret_cast<Target*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  RECT place = {};
  GetWindowRect(window, &place);
  if (owner != target.processId || !IsWindowVisible(window) || IsRectEmpty(&place)) return TRUE;
  target.window = window;
  return FALSE;
}

// Runs inspect on the controls of every window of the program (the first
// visible window may be another than the one with the controls: the
// application's own, for its taskbar button) until done is set.
struct ChildSearch {
  Target* target;
  WNDENUMPROC inspect;
  const bool* done;
};

BOOL CALLBACK SearchWindow(HWND window, LPARAM param) {
  const auto& search = *reinterpret_cast<const ChildSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.target->processId)
    EnumChildWindows(window, search.inspect, reinterpret_cast<LPARAM>(search.target));
  return !*search.done;
}

void SearchChildren(Target& target, WNDENUMPROC inspect, const bool& done) {
  ChildSearch search{&target, inspect, &done};
  EnumWindows(SearchWindow, reinterpret_cast<LPARAM>(&search));
}

double Milliseconds(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

std::string CommandLine(int first, int argc, char** argv) {
  std::string line;
  for (int i = first; i < argc; ++i) line += std::string(i > first ? " " : "") + "\"" + argv[i] + "\"";
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  Target target;
  int first = 1;
  if (argc > 2 && (std::strcmp(argv[1], "--rows") == 0 || std::strcmp(argv[1], "--chars") == 0)) {
    target.wait = argv[1][2] == 'r' ? Target::Wait::Rows : Target::Wait::Chars;
    target.amount = std::atoll(argv[2]);
    first = 3;
  }
  if (argc > first + 1 && std::strcmp(argv[first], "--tab") == 0) {
    target.tab = std::atoi(argv[first + 1]);
    first += 2;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: %s [--rows N | --chars N] [--tab T] program.exe [arguments]\n", argv[0]);
    return 2;
  }
  std::string command = CommandLine(first, argc, argv);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const Clock::time_point start = Clock::now();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", command.c_str(), GetLastError());
    return 1;
  }
  target.processId = process.dwProcessId;

  const double limit = 120000;
  double shown = -1, ready = -1;
  while (Milliseconds(start) < limit && WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
    if (shown < 0) {
      EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&target));
      if (target.window) shown = Milliseconds(start);
    }
    if (shown >= 0 && target.tab >= 0 && !target.tabChosen)
      SearchChildren(target, ChooseTab, target.tabChosen);
    if (shown >= 0 && target.wait == Target::Wait::Window) ready = shown;
    if (shown >= 0 && ready < 0) {
      SearchChildren(target, InspectChild, target.ready);
      if (target.ready) ready = Milliseconds(start);
    }
    if (ready >= 0) break;
  }
  // Held where it is: a program that goes on working once its window is
  // shown (as Velmora builds its pages) would otherwise be measured later
  // than the moment the figure stands for.
  SuspendThread(process.hThread);
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("window %.0f ready %.0f peak %lu\n", shown, ready, static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
  return shown >= 0 && ready >= 0 ? 0 : 1;
}
