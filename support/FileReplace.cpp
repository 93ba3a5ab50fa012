#include "support/FileReplace.h"

#include <windows.h>

#include "support/Tools.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void DeleteWhatever(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

}  // namespace

bool ReplaceWithFile(const std::string& finished, const std::string& target) {
  if (!IsWinNT) return ReplaceByRenaming(finished, target);
  return MoveFileExA(finished.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool ReplaceByRenaming(const std::string& finished, const std::string& target) {
  const DWORD targetAttributes = GetFileAttributesA(target.c_str());
  if (!Exists(finished)) return false;
  if (targetAttributes == INVALID_FILE_ATTRIBUTES) return MoveFileA(finished.c_str(), target.c_str());
  // A folder is never replaced by a file, as MoveFileEx refuses to.
  if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  const std::string aside = target + ".alt$$$";
  // Left by a save that was cut short while the old file stood aside; the
  // target is here again, so the file aside is the older one.
  if (Exists(aside)) DeleteWhatever(aside);
  if (!MoveFileA(target.c_str(), aside.c_str())) return false;
  if (!MoveFileA(finished.c_str(), target.c_str())) {
    MoveFileA(aside.c_str(), target.c_str());
    return false;
  }
  DeleteWhatever(aside);
  return true;
}
