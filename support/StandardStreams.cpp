#include "support/StandardStreams.h"

#include <algorithm>

#include "support/Tools.h"
#include "support/WideText.h"

namespace {

bool Redirected(HANDLE handle) {
  return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// AttachConsole exists from XP on: looked up, so that the program still
// starts on 98 and 2000. Once attached, every later call finds the console.
bool AttachParentConsole() {
  static const bool attached = [] {
    using TAttachConsole = BOOL(WINAPI*)(DWORD);
    auto attach = reinterpret_cast<TAttachConsole>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "AttachConsole")));
    return attach && attach(ATTACH_PARENT_PROCESS);
  }();
  return attached;
}

}  // namespace

TStandardStream::TStandardStream(TStreamKind kind) {
  const DWORD which = kind == TStreamKind::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  HANDLE handle = GetStdHandle(which);
  if (!Redirected(handle)) {
    if (!AttachParentConsole()) return;
    handle = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    ownHandle_ = true;
  }
  handle_ = handle;
  // The 9x family's wide console functions fail: bytes only there.
  DWORD mode = 0;
  console_ = IsWinNT && GetConsoleMode(handle_, &mode) != 0;
}

TStandardStream::~TStandardStream() {
  if (ownHandle_) CloseHandle(handle_);
}

bool TStandardStream::WriteUtf8(const std::string& bytes) {
  if (!console_) return WriteBytes(bytes);
  const std::string_view bom = "\xEF\xBB\xBF";
  const bool marked = bytes.compare(0, bom.size(), bom) == 0;
  return WriteWide(WideFromUtf8(marked ? bytes.substr(bom.size()) : bytes));
}

bool TStandardStream::WriteMessage(const std::string& text) {
  if (console_) return WriteWide(WideFromAnsi(text));
  const UINT consoleCodePage = GetConsoleOutputCP();
  return WriteBytes(InCodePage(WideFromAnsi(text), consoleCodePage ? consoleCodePage : CP_OEMCP));
}

// Older consoles refuse a single write of more than about 64 KB.
bool TStandardStream::WriteWide(const std::wstring& text) {
  constexpr size_t kChunk = 8192;
  for (size_t at = 0; at < text.size(); at += kChunk) {
    const DWORD size = static_cast<DWORD>(std::min(kChunk, text.size() - at));
    DWORD written = 0;
    if (!WriteConsoleW(handle_, text.data() + at, size, &written, nullptr) || written != size) return false;
  }
  return true;
}

bool TStandardStream::WriteBytes(const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}
