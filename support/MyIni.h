#pragma once
// Single entries of one section of an INI file, through the profile
// functions, with the folder of the file chosen by IniLocation and a numeric
// error code of the last operation.

#include <string>

enum class TIniLocation { loWinDir, loProgDir, loUser, loDefUser };

class TTheIniFile {
 public:
  // ErrorCode values besides 0 and the I/O errors of a trial creation.
  static constexpr int kFileMissing = 2;
  static constexpr int kReadOnly = 5;
  static constexpr int kKeyMissing = -1;

  TTheIniFile();

  const std::string& IniFileName() const { return iniFileName_; }
  // Closes an open file; does not reopen it.
  void SetIniFileName(const std::string& name);
  std::string Section;
  TIniLocation IniLocation = TIniLocation::loWinDir;
  int ErrorCode = 0;
  const std::string& DefFilePath() const { return defFilePath_; }
  // Always ends in a backslash; an empty folder is refused.
  void SetDefFilePath(const std::string& folder);

  bool Open() const { return open_; }
  // True opens the file where IniLocation says (see ErrorCode); Open reads
  // true afterwards even when opening failed, but a failed open is not usable.
  // Opening changes nothing on disk: the file keeps its attributes.
  void SetOpen(bool open);

  // The key's value; default when the key is missing (ErrorCode -1) or the
  // object is not usable ("Bitte Dateiname angeben."). An empty key reads as
  // the empty text.
  std::string ReadEntry(const std::string& key, const std::string& defaultValue);
  // False when the key's value holds characters that the ANSI code page
  // cannot carry (read as "?"): only the NT family stores such values, and
  // writing the value read would corrupt it.
  bool EntryHasAnsiForm(const std::string& key);
  // False when the platform refused the write, or the object is not usable.
  // A read-only, hidden or system file is written all the same and keeps its
  // attributes; one whose read-only attribute cannot be cleared is refused
  // ("Kann Schreibschutz von ... nicht entfernen!", ErrorCode 5).
  bool WriteEntry(const std::string& key, const std::string& value);

  // The full path of the file last opened.
  const std::string& FullPath() const { return fullPath_; }

 private:
  bool Usable();
  std::string LocationPath() const;

  std::string iniFileName_, defFilePath_;
  std::string windowsFolder_, programFolder_;
  std::string fullPath_;
  bool open_ = false;
  bool accessible_ = false;  // opened successfully: the profile functions may be used
};
