#include "app/BackupCopy.h"

#include <windows.h>

#include "support/Tools.h"

std::string BackupCopyName(const std::string& fileName) { return ChangeFileExt(fileName, ".VLM"); }

void CopyToBackup(const std::string& fileName) {
  if (!FileExists(fileName)) return;
  std::string copy = BackupCopyName(fileName);
  DWORD attributes = GetFileAttributesA(copy.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    CopyFileA(fileName.c_str(), copy.c_str(), FALSE);
    return;
  }
  SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
  CopyFileA(fileName.c_str(), copy.c_str(), FALSE);
  SetFileAttributesA(copy.c_str(), attributes);
}
