#pragma once
#include <windows.h>

#include <optional>
#include <string>

// An open registry key, closed when it goes out of scope. Opening never
// creates the key.
class TRegKey {
 public:
  enum TMissing { LeaveMissing, Create };

  TRegKey(HKEY root, const std::string& subKey, REGSAM access, TMissing missing = LeaveMissing) {
    const LONG result = missing == Create ? RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, access, nullptr,
                                                            &key_, nullptr)
                                          : RegOpenKeyExA(root, subKey.c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~TRegKey() {
    if (key_) RegCloseKey(key_);
  }
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;

  explicit operator bool() const { return key_ != nullptr; }
  HKEY Handle() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A value's text, whatever its length; an empty name means the key's default
// value. None when the key is null or the value cannot be read.
std::optional<std::string> QueryRegText(HKEY key, const std::string& name);
