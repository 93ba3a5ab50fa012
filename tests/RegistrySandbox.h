#pragma once
// Registry helpers of the test bench. The tests run in a throw-away prefix:
// they use the real Run keys where a page needs them and leave them empty.

#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

#include "support/WindowsVersion.h"

struct TStoredValue {
  std::string name;
  std::string data;  // raw bytes, for text values without the final zero
  DWORD type = REG_SZ;
  bool operator==(const TStoredValue&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TStoredValue& value);

// The helpers open keys in the view the program opens them in: the 64-bit one
// on 64-bit Windows, whichever build runs (a 32-bit test program there would
// otherwise see the 32-bit view), unless a test asks for KEY_WOW64_32KEY.

// Every value of a key, in enumeration order; names and data of any length.
std::vector<TStoredValue> StoredValues(HKEY root, const std::string& subKey, REGSAM view = NativeRegistryView());
void StoreValue(HKEY root, const std::string& subKey, const TStoredValue& value, REGSAM view = NativeRegistryView());
void StoreString(HKEY root, const std::string& subKey, const std::string& name, const std::string& data,
                 DWORD type = REG_SZ);
void DeleteValue(HKEY root, const std::string& subKey, const std::string& name, REGSAM view = NativeRegistryView());
// Deletes every value, also those whose names have no ANSI form.
void DeleteAllValues(HKEY root, const std::string& subKey, REGSAM view = NativeRegistryView());

// A value as the wide functions see it: exact name, raw data bytes.
struct TWideValue {
  std::wstring name;
  std::string bytes;
  DWORD type = REG_SZ;
  bool operator==(const TWideValue&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TWideValue& value);
std::vector<TWideValue> StoredWideValues(HKEY root, const std::string& subKey, REGSAM view = NativeRegistryView());
void StoreWideValue(HKEY root, const std::string& subKey, const TWideValue& value, REGSAM view = NativeRegistryView());
// The bytes of a wide text with its final zero.
std::string WideTextBytes(const std::wstring& text);
void StoreWideString(HKEY root, const std::string& subKey, const std::wstring& name, const std::wstring& data,
                     DWORD type = REG_SZ);

// The Run-type keys as the Registry page names them: the six, the 32-bit
// view of the machine's Run and RunOnce, the two policy Run keys.
extern const std::vector<std::string> kRunKeyPaths;
std::string RunKeyPath(const char* rootName, const char* keyName);
// The machine's key of that name in the 32-bit view, as the 64-bit registry
// editor names it.
std::string RunKey32Path(const char* keyName);

// Creates the Run-type keys and empties them, switched-off entries
// included, before and after a test.
class TRunKeysSandbox {
 public:
  TRunKeysSandbox();
  ~TRunKeysSandbox();
};

// A key of its own below HKEY_CURRENT_USER, deleted with all it holds.
class TScratchKey {
 public:
  explicit TScratchKey(const std::string& name);
  ~TScratchKey();
  const std::string& SubKey() const { return subKey_; }

 private:
  std::string subKey_;
};

// Values under Explorer\StartupApproved\<list> ("Run", "Run32",
// "StartupFolder") of HKCU or HKLM, as the task manager of Windows 8 and
// later writes them, deleted again at the end.
class TStartupApprovedValues {
 public:
  ~TStartupApprovedValues();
  // 03 00 00 00 and the time as a FILETIME (UTC) of the local time given.
  void SwitchOff(HKEY root, const std::string& list, const std::string& name, const SYSTEMTIME& localTime);
  // 02 and eleven zero bytes.
  void SwitchOn(HKEY root, const std::string& list, const std::string& name);
  void Store(HKEY root, const std::string& list, const TStoredValue& value);
  // The bytes of a value of the list; empty when it is missing.
  static std::string Bytes(HKEY root, const std::string& list, const std::string& name);
  // What the task manager writes when it switches an entry on.
  static const std::string kSwitchedOn;

 private:
  struct TPlace {
    HKEY root;
    std::string subKey, name;
  };
  std::vector<TPlace> stored_;
};

// A local time of the day given, to the minute.
SYSTEMTIME LocalTime(WORD year, WORD month, WORD day, WORD hour, WORD minute);

// Keeps one value as it was: whatever a test does to it is undone at the end
// (a value that did not exist is deleted again).
class TKeptValue {
 public:
  TKeptValue(HKEY root, const std::string& subKey, const std::string& name, REGSAM view = NativeRegistryView());
  ~TKeptValue();
  void Set(const std::string& data);
  void Delete();

 private:
  HKEY root_;
  std::string subKey_, name_;
  REGSAM view_;
  bool existed_ = false;
  TStoredValue original_;
};
