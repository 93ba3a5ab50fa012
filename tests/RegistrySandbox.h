#pragma once
// Registry helpers of the test bench. The tests run in a throw-away prefix:
// they use the real Run keys where a page needs them and leave them empty.

#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

struct TStoredValue {
  std::string name;
  std::string data;  // raw bytes, for text values without the final zero
  DWORD type = REG_SZ;
  bool operator==(const TStoredValue&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TStoredValue& value);

// Every value of a key, in enumeration order; names and data of any length.
std::vector<TStoredValue> StoredValues(HKEY root, const std::string& subKey);
void StoreValue(HKEY root, const std::string& subKey, const TStoredValue& value);
void StoreString(HKEY root, const std::string& subKey, const std::string& name, const std::string& data,
                 DWORD type = REG_SZ);
void DeleteValue(HKEY root, const std::string& subKey, const std::string& name);
// Deletes every value, also those whose names have no ANSI form.
void DeleteAllValues(HKEY root, const std::string& subKey);

// A value as the wide functions see it: exact name, raw data bytes.
struct TWideValue {
  std::wstring name;
  std::string bytes;
  DWORD type = REG_SZ;
  bool operator==(const TWideValue&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TWideValue& value);
std::vector<TWideValue> StoredWideValues(HKEY root, const std::string& subKey);
void StoreWideValue(HKEY root, const std::string& subKey, const TWideValue& value);
// The bytes of a wide text with its final zero.
std::string WideTextBytes(const std::wstring& text);
void StoreWideString(HKEY root, const std::string& subKey, const std::wstring& name, const std::wstring& data,
                     DWORD type = REG_SZ);

// The six Run-type keys as the Registry page names them.
extern const std::vector<std::string> kRunKeyPaths;
std::string RunKeyPath(const char* rootName, const char* keyName);

// Creates the six Run-type keys and empties them, switched-off entries
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

// Keeps one value as it was: whatever a test does to it is undone at the end
// (a value that did not exist is deleted again).
class TKeptValue {
 public:
  TKeptValue(HKEY root, const std::string& subKey, const std::string& name);
  ~TKeptValue();
  void Set(const std::string& data);
  void Delete();

 private:
  HKEY root_;
  std::string subKey_, name_;
  bool existed_ = false;
  TStoredValue original_;
};
