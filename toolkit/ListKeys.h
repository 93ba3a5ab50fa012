#pragma once
// The keys a Windows user expects of a list: Einfg adds, Entf removes, Enter
// and F2 change, F5 refreshes; the context-menu key, Shift+F10 and the right
// mouse button open a menu of the page's commands. A key only asks for its
// command: the command runs once the key's message has been handled, so no
// dialog runs inside the list's own handling of a key.

#include <functional>
#include <vector>

#include "toolkit/Commands.h"
#include "toolkit/ReportListView.h"

class TListKeys {
 public:
  // commands is asked afresh at each key, so that every command has its
  // button's state of the moment.
  TListKeys(TReportListView& list, std::function<std::vector<TCommand>()> commands);
  ~TListKeys();
  TListKeys(const TListKeys&) = delete;
  TListKeys& operator=(const TListKeys&) = delete;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void RunKey(TListKey key);
  // Where the menu opens: at the mouse, or under the selected row when a key
  // asked for it.
  POINT MenuPlace(LPARAM clicked) const;

  TReportListView& list_;
  std::function<std::vector<TCommand>()> commands_;
};
