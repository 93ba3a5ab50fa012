#include "help/HtmlHelpLibrary.h"

#include <string>

#include "support/RegKey.h"
#include "support/Tools.h"

namespace {

constexpr char kServerKey[] = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

std::string RegisteredServerFile() {
  TRegKey key(HKEY_CLASSES_ROOT, kServerKey, KEY_READ);
  return QueryRegText(key.Handle(), "").value_or("");
}

}  // namespace

THtmlHelpLibrary& HtmlHelpLibrary() {
  static THtmlHelpLibrary library;
  return library;
}

void LoadHtmlHelpLibrary() {
  THtmlHelpLibrary& library = HtmlHelpLibrary();
  if (library.searched) return;
  library.searched = true;
  std::string server = RegisteredServerFile();
  library.module = !server.empty() && FileExists(server) ? LoadLibraryA(server.c_str()) : LoadLibraryA("hhctrl.ocx");
  if (!library.module) return;
  // Through void*: the entry point is not of the type GetProcAddress returns.
  library.HtmlHelpA = reinterpret_cast<THtmlHelpEntryA>(reinterpret_cast<void*>(GetProcAddress(library.module, "HtmlHelpA")));
}

void FreeHtmlHelpLibrary() {
  THtmlHelpLibrary& library = HtmlHelpLibrary();
  if (library.module) FreeLibrary(library.module);
  library = {};
}
