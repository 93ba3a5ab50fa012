#pragma once
// Named values in the registry, addressed like an INI file: the root key, an
// area (a key path below it) and a section (one more key level) choose the
// key; the value names play the part of INI keys. One key stays open between
// calls while the caller stays on it.

#include <windows.h>

#include <string>
#include <vector>

class TTheRegIniFile {
 public:
  // What ErrorCode holds after an operation.
  static constexpr int kOk = 0;
  static constexpr int kReadFailed = 1;
  static constexpr int kKeyNotDeleted = 4;
  static constexpr int kWriteFailed = 5;

  TTheRegIniFile() = default;
  ~TTheRegIniFile();
  TTheRegIniFile(const TTheRegIniFile&) = delete;
  TTheRegIniFile& operator=(const TTheRegIniFile&) = delete;

  HKEY RegKey = HKEY_CURRENT_USER;
  std::string Area;
  std::string Section;
  int ErrorCode() const { return errorCode_; }
  void SetErrorCode(int code) { errorCode_ = code; }

  // The key path below RegKey: Area without a leading "\", a "\" and Section.
  std::string KeyPath() const;

  std::string ReadString(const std::string& name, const std::string& defaultValue);
  void WriteString(const std::string& name, const std::string& value);
  int ReadInteger(const std::string& name, int defaultValue);
  void WriteInteger(const std::string& name, int value);
  // Deletes every key below the section's key, children before parents, and
  // the section's key itself when deleteKey is true.
  void EraseSection(bool deleteKey);

 private:
  enum class TMode { Read, Write };

  // Resets ErrorCode; false (after telling the user) without Area or Section.
  bool Begin();
  HKEY OpenKey(TMode mode);
  void CloseKey();
  void CreateKey(const std::string& path) const;
  // Every key below path, at every depth, as full paths.
  std::vector<std::string> SubKeysBelow(const std::string& path) const;
  void AppendDirectSubKeys(const std::string& path, std::vector<std::string>& keys) const;

  int errorCode_ = kOk;

  // The one key kept open, and what it was opened as.
  HKEY openKey_ = nullptr;
  HKEY openRoot_ = nullptr;
  std::string openPath_;
  TMode openMode_ = TMode::Read;
};
