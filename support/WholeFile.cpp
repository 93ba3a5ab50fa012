#include "support/WholeFile.h"

#include <windows.h>

#include "support/Tools.h"
#include "support/WideText.h"

namespace {

HANDLE OpenForWriting(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE OpenForWriting(const std::wstring& path) {
  if (!IsWinNT) return OpenForWriting(AnsiFromWide(path));
  return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Others may read and write the file meanwhile, as with the C library's
// fopen; deleting is not shared, which the Windows 9x family does not know.
HANDLE OpenForReading(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE OpenForReading(const std::wstring& path) {
  if (!IsWinNT) return OpenForReading(AnsiFromWide(path));
  return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

TWriteResult WriteAll(HANDLE file, const std::string& bytes) {
  if (file == INVALID_HANDLE_VALUE) return TWriteResult::NotCreated;
  DWORD written = 0;
  bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  complete = CloseHandle(file) && complete;
  return complete ? TWriteResult::Written : TWriteResult::Incomplete;
}

// The bytes go straight into a string of the file's size (one byte more, to
// see its end in the same pass): a file of megabytes is copied only once.
bool ReadAll(HANDLE file, std::string& bytes) {
  if (file == INVALID_HANDLE_VALUE) return false;
  const DWORD size = GetFileSize(file, nullptr);
  bytes.assign(size == INVALID_FILE_SIZE ? 0 : size + size_t{1}, '\0');
  size_t filled = 0;
  DWORD read = 0;
  bool ok;
  do {
    // A file that grew while it was read is read to its new end.
    if (filled == bytes.size()) bytes.resize(filled + 64 * 1024);
    ok = ReadFile(file, &bytes[filled], static_cast<DWORD>(bytes.size() - filled), &read, nullptr);
    filled += ok ? read : 0;
  } while (ok && read > 0);
  bytes.resize(filled);
  CloseHandle(file);
  return ok;
}

}  // namespace

TWriteResult WriteWholeFile(const std::string& path, const std::string& bytes) {
  return WriteAll(OpenForWriting(path), bytes);
}

TWriteResult WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  return WriteAll(OpenForWriting(path), bytes);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) { return ReadAll(OpenForReading(path), bytes); }

bool ReadWholeFile(const std::wstring& path, std::string& bytes) { return ReadAll(OpenForReading(path), bytes); }

bool AppendToFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool complete = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  complete = CloseHandle(file) && complete;
  return complete;
}
