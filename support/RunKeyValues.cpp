#include "support/RunKeyValues.h"

#include <algorithm>
#include <iterator>

#include "support/Parallel.h"
#include "support/RegKey.h"
#include "support/Tools.h"
#include "support/WideText.h"

namespace {

// Buffers that hold the key's longest value name (characters, with room for
// the zero; an ANSI name may take two bytes a character) and data.
struct TBufferSizes {
  DWORD name = 0, data = 0;
};

struct TKeyInfo {
  TBufferSizes sizes;
  DWORD count = 0;
};

TKeyInfo KeyInfo(HKEY key) {
  DWORD count = 0, name = 0, data = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &name, &data, nullptr, nullptr);
  return {{2 * name + 1, data + 1}, count};
}

LONG EnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize) {
  return RegEnumValueA(key, index, name, nameSize, nullptr, type, data, dataSize);
}
LONG EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize) {
  return RegEnumValueW(key, index, name, nameSize, nullptr, type, data, dataSize);
}

std::wstring WideName(const std::string& name) { return WideFromAnsi(name); }
std::wstring WideName(const std::wstring& name) { return name; }

// The values from index first up to end, or fewer where the key ends sooner.
// The NT family stores wide names: read that way, a name the ANSI code page
// cannot carry is seen for what it is instead of as "?".
template <typename Char>
TKeyValues EnumerateRange(HKEY key, DWORD first, DWORD end, TBufferSizes sizes) {
  TKeyValues values;
  std::vector<Char> name;
  std::vector<BYTE> data;
  for (DWORD index = first; index < end;) {
    name.resize(sizes.name);
    data.resize(sizes.data);
    DWORD nameSize = sizes.name, dataSize = sizes.data, type = 0;
    LONG result = EnumValue(key, index, name.data(), &nameSize, &type, data.data(), &dataSize);
    if (result == ERROR_MORE_DATA) {  // the key grew since it was measured
      TBufferSizes now = KeyInfo(key).sizes;
      sizes = {std::max(now.name, 2 * sizes.name), std::max(now.data, 2 * sizes.data)};
      continue;
    }
    if (result != ERROR_SUCCESS) return values;
    ++index;
    values.push_back({WideName(std::basic_string<Char>(name.data(), nameSize)), type,
                      std::string(reinterpret_cast<const char*>(data.data()), dataSize)});
  }
  return values;
}

// Each value is a round trip to the registry, which under Wine waits on its
// server more than it works: a large key is read in parts at the same time,
// then whatever came after the count was taken.
constexpr DWORD kValuesForParts = 2048;
constexpr DWORD kParts = 4;

template <typename Char>
TKeyValues Enumerate(HKEY key) {
  const TKeyInfo info = KeyInfo(key);
  if (info.count < kValuesForParts) return EnumerateRange<Char>(key, 0, MAXDWORD, info.sizes);
  std::vector<TKeyValues> parts(kParts);
  InParts(info.count, kParts, [&](size_t part, size_t first, size_t end) {
    parts[part] = EnumerateRange<Char>(key, static_cast<DWORD>(first), static_cast<DWORD>(end), info.sizes);
  });
  TKeyValues values;
  values.reserve(info.count);
  for (TKeyValues& part : parts) std::move(part.begin(), part.end(), std::back_inserter(values));
  TKeyValues later = EnumerateRange<Char>(key, info.count, MAXDWORD, info.sizes);
  std::move(later.begin(), later.end(), std::back_inserter(values));
  return values;
}

}  // namespace

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

std::wstring TextOf(const TKeyValue& value) {
  std::wstring text;
  if (IsWinNT) {
    text.assign(value.bytes.size() / sizeof(wchar_t), L'\0');
    std::copy_n(value.bytes.data(), text.size() * sizeof(wchar_t), reinterpret_cast<char*>(text.data()));
  } else {
    text = WideFromAnsi(value.bytes.substr(0, value.bytes.find('\0')));
  }
  return text.substr(0, text.find(L'\0'));
}

TKeyValue TextValue(const std::wstring& name, const std::wstring& text, DWORD type) {
  if (!IsWinNT) return {name, type, AnsiFromWide(text) + '\0'};
  return {name, type, std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t))};
}

std::optional<TKeyValues> ReadKeyValues(HKEY root, const std::string& subKey, REGSAM view) {
  TRegKey key(root, subKey, KEY_QUERY_VALUE | view);
  if (!key) return std::nullopt;
  // The 9x family has only the ANSI registry.
  return IsWinNT ? Enumerate<wchar_t>(key.Handle()) : Enumerate<char>(key.Handle());
}

LONG WriteKeyValue(HKEY root, const std::string& subKey, const TKeyValue& value, REGSAM view) {
  HKEY key;
  LONG result = RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE | view, &key);
  if (result != ERROR_SUCCESS) return result;
  auto data = reinterpret_cast<const BYTE*>(value.bytes.data());
  const DWORD size = static_cast<DWORD>(value.bytes.size());
  result = IsWinNT ? RegSetValueExW(key, value.name.c_str(), 0, value.type, data, size)
                   : RegSetValueExA(key, AnsiFromWide(value.name).c_str(), 0, value.type, data, size);
  RegCloseKey(key);
  return result;
}

LONG DeleteKeyValue(HKEY root, const std::string& subKey, const std::wstring& name, REGSAM view) {
  HKEY key;
  LONG result = RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE | view, &key);
  if (result != ERROR_SUCCESS) return result;
  result = IsWinNT ? RegDeleteValueW(key, name.c_str()) : RegDeleteValueA(key, AnsiFromWide(name).c_str());
  RegCloseKey(key);
  return result;
}
