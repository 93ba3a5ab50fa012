#pragma once
// A shortcut file (".lnk") read into plain properties, and new shortcuts that
// point to a program. Every read and write makes and releases its own shell
// objects; COM must be initialised on the calling thread.

#include <windows.h>

#include <optional>
#include <string>

class TShellLink {
 public:
  // The shell takes paths up to this length; longer ones are refused.
  static constexpr size_t kMaxPathLength = 254;

  // The shortcut last read in full; setting it reads the shortcut there.
  std::string Path() const;
  void SetPath(const std::string& linkFile) { ReadLink(linkFile); }

  // Reads the shortcut: the properties reached before a failing step take
  // the shortcut's values, Path only a complete read. True when complete.
  // The wide form reads a shortcut whose name has no ANSI form.
  bool ReadLink(const std::string& linkFile);
  bool ReadLink(const std::wstring& linkFile);

  // Assigning any value reads the shortcut at Path again; true afterwards.
  bool Update() const { return update_; }
  void SetUpdate(bool);

  // Writes linkFile (overwriting it) as a shortcut to target. A shortcut
  // that cannot be written is reported as "Konnte Verknüpfungen nicht
  // erstellen!"; the properties stay as they are. True when written.
  bool CreateLink(const std::string& linkFile, const std::string& target) const;

  std::string Target;
  std::string WorkingDir;
  std::string Description;
  std::string Arguments;
  std::string IconLocation;
  WORD HotKey = 0;
  WORD ShowCmd = 0;
  WORD IconNumber = 0;

 private:
  // The steps after loading; false at the first query that fails.
  bool ReadProperties(struct IShellLinkA& link);

  std::wstring path_;
  bool update_ = false;
};

// A shortcut's target and arguments with every character they hold, also
// those the ANSI code page lacks; nothing when it cannot be read.
struct TLinkCommand {
  std::wstring target;
  std::wstring arguments;
};
std::optional<TLinkCommand> ReadLinkCommand(const std::wstring& linkFile);
