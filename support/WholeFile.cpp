#include "support/WholeFile.h"

#include <windows.h>

TWriteResult WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return TWriteResult::NotCreated;
  DWORD written = 0;
  bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  complete = CloseHandle(file) && complete;
  return complete ? TWriteResult::Written : TWriteResult::Incomplete;
}
