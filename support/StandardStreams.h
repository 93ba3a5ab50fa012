#pragma once
// Standard output and error of a program that has no console of its own:
// usable where the caller redirected them, or where the program could attach
// to its parent's console (XP on; the 9x family has no such call).

#include <windows.h>

#include <string>

enum class TStreamKind { Output, Error };

class TStandardStream {
 public:
  explicit TStandardStream(TStreamKind kind);
  TStandardStream(const TStandardStream&) = delete;
  TStandardStream& operator=(const TStandardStream&) = delete;
  ~TStandardStream();

  bool Usable() const { return handle_ != nullptr; }
  // UTF-8 bytes: written as they are, or as their characters to a console.
  bool WriteUtf8(const std::string& bytes);
  // A message in the ANSI code page: to a console as its characters, to a
  // file or pipe in the console's code page (the OEM one without a console),
  // which the command prompt and PowerShell read.
  bool WriteMessage(const std::string& text);

 private:
  bool WriteWide(const std::wstring& text);
  bool WriteBytes(const std::string& bytes);

  HANDLE handle_ = nullptr;
  bool console_ = false;
  bool ownHandle_ = false;
};
