#include "app/BackupCopy.h"

#include <windows.h>

#include "support/FileReplace.h"
#include "support/Tools.h"

std::string BackupCopyName(const std::string& fileName) { return ChangeFileExt(fileName, ".VLM"); }

bool CopyToBackup(const std::string& fileName) {
  const DWORD source = GetFileAttributesA(fileName.c_str());
  if (source == INVALID_FILE_ATTRIBUTES || (source & FILE_ATTRIBUTE_DIRECTORY)) return true;  // no file to copy
  const std::string copy = BackupCopyName(fileName), beside = copy + ".$$$";
  if (!CopyFileA(fileName.c_str(), beside.c_str(), FALSE)) {
    DeleteFileA(beside.c_str());
    return false;
  }
  const DWORD attributes = GetFileAttributesA(copy.c_str());
  const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
  if (existed) SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
  const bool moved = ReplaceWithFile(beside, copy);
  if (!moved) DeleteFileA(beside.c_str());
  if (existed) SetFileAttributesA(copy.c_str(), attributes);
  return moved;
}

std::string BackupCopyFailedQuestion(const std::string& fileName) {
  return "Die Sicherungskopie " + BackupCopyName(fileName) + " konnte nicht erstellt werden. " + fileName +
         " trotzdem ohne Sicherungskopie speichern?";
}
