#pragma once
// The HTML Help library of Windows, loaded once for the whole process, at the
// first help request: it brings COM with it, which the window's start does
// not need. Help requests do nothing while it is not loaded.

#include <windows.h>

using THtmlHelpEntryA = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

struct THtmlHelpLibrary {
  HMODULE module = nullptr;
  THtmlHelpEntryA HtmlHelpA = nullptr;
  // Once looked for, a missing library is not looked for again.
  bool searched = false;

  // A library without the entry point is of no use.
  bool Loaded() const { return HtmlHelpA != nullptr; }
};

THtmlHelpLibrary& HtmlHelpLibrary();

// The registered in-process server of HTML Help if its file exists, else
// "hhctrl.ocx" from the search path; nothing after the first call.
void LoadHtmlHelpLibrary();
void FreeHtmlHelpLibrary();
