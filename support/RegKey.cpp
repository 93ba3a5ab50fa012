#include "support/RegKey.h"

#include <algorithm>
#include <vector>

std::optional<std::string> QueryRegText(HKEY key, const std::string& name) {
  if (!key) return std::nullopt;
  std::vector<char> buffer(256);
  DWORD size = static_cast<DWORD>(buffer.size());
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (result == ERROR_MORE_DATA) {
    buffer.assign(size, '\0');
    result = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size);
  }
  if (result != ERROR_SUCCESS) return std::nullopt;
  // Data that lacks its final NUL ends where the registry says it ends.
  std::string text(buffer.data(), std::min<size_t>(size, buffer.size()));
  return text.substr(0, text.find('\0'));
}
