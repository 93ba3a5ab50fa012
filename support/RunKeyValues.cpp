#include "support/RunKeyValues.h"

#include <algorithm>

#include "support/AnsiText.h"
#include "support/RegKey.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

namespace {

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Every access to a Run key opens it here.
TRegKey OpenRunKey(HKEY root, const std::string& subKey, REGSAM access) { return TRegKey(root, subKey, access); }

// Buffers that hold the key's longest value name (characters, with room for
// the zero) and data (bytes, with room for a wide zero).
struct TBufferSizes {
  DWORD name = 0, data = 0;
};

TBufferSizes LargestValue(HKEY key) {
  DWORD name = 0, data = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &name, &data, nullptr, nullptr);
  return {2 * name + 1, data + 2};  // an ANSI name may take two bytes a character
}

LONG EnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize) {
  return RegEnumValueA(key, index, name, nameSize, nullptr, type, data, dataSize);
}
LONG EnumValue(HKEY key, DWORD index, wchar_t* name, DWORD* nameSize, DWORD* type, BYTE* data, DWORD* dataSize) {
  return RegEnumValueW(key, index, name, nameSize, nullptr, type, data, dataSize);
}

// Calls onText(name, data, type) for each text value, in enumeration order;
// stored text need not end in a zero, and ends at its first one.
template <typename Char, typename OnText>
void EnumerateTexts(HKEY key, OnText onText) {
  TBufferSizes sizes = LargestValue(key);
  std::vector<Char> name;
  std::vector<BYTE> data;
  for (DWORD index = 0;;) {
    name.resize(sizes.name);
    data.resize(sizes.data);
    DWORD nameSize = sizes.name, dataSize = sizes.data - sizeof(Char), type = 0;
    LONG result = EnumValue(key, index, name.data(), &nameSize, &type, data.data(), &dataSize);
    if (result == ERROR_MORE_DATA) {  // the key grew since it was measured
      TBufferSizes now = LargestValue(key);
      sizes = {std::max(now.name, 2 * sizes.name), std::max(now.data, 2 * sizes.data)};
      continue;
    }
    if (result != ERROR_SUCCESS) return;
    ++index;
    if (!IsText(type)) continue;
    std::basic_string<Char> text(reinterpret_cast<const Char*>(data.data()), dataSize / sizeof(Char));
    text.resize(std::min(text.size(), text.find(Char(0))));
    onText(std::basic_string<Char>(name.data(), nameSize), text, type);
  }
}

// The NT family stores wide text: read that way, a value the ANSI code page
// cannot carry is seen for what it is instead of as "?".
void ReadWideTexts(HKEY key, TValueList& list) {
  EnumerateTexts<wchar_t>(key, [&](const std::wstring& name, const std::wstring& data, DWORD type) {
    auto ansiName = ExactAnsiForm(name), ansiData = ExactAnsiForm(data);
    if (ansiName && ansiData)
      list.push_back({*ansiName, *ansiData, type});
    else
      list.push_back({AnsiForm(name), AnsiForm(data), type, false, name, data});
  });
}

void ReadAnsiTexts(HKEY key, TValueList& list) {
  EnumerateTexts<char>(key, [&](const std::string& name, const std::string& data, DWORD type) {
    list.push_back({name, data, type});
  });
}

bool Delete(HKEY key, const TRunValue& value) {
  if (key && RegDeleteValueA(key, value.name.c_str()) == ERROR_SUCCESS) return true;
  ShowError("Konnte Wert " + value.name + " nicht entfernen! Der Eintrag verbleibt in der Registrierung.");
  return false;
}

bool Write(HKEY key, const TRunValue& value) {
  DWORD type = value.type == REG_EXPAND_SZ ? REG_EXPAND_SZ : REG_SZ;
  auto data = reinterpret_cast<const BYTE*>(value.data.c_str());
  DWORD size = static_cast<DWORD>(value.data.size() + 1);
  if (key && RegSetValueExA(key, value.name.c_str(), 0, type, data, size) == ERROR_SUCCESS) return true;
  ShowError("Konnte Wert " + value.name + " nicht in Registrierung schreiben!");
  return false;
}

}  // namespace

void ReadKeyValues(HKEY root, const std::string& subKey, TValueList& list) {
  TRegKey key = OpenRunKey(root, subKey, KEY_QUERY_VALUE);
  if (!key) return;
  // The 9x family has only the ANSI registry.
  if (IsWinNT)
    ReadWideTexts(key.Handle(), list);
  else
    ReadAnsiTexts(key.Handle(), list);
}

bool WriteKeyChanges(HKEY root, const std::string& subKey, const TKeyChanges& changes) {
  if (changes.empty()) return true;
  TRegKey key = OpenRunKey(root, subKey, KEY_SET_VALUE);
  bool allDone = true;
  for (const TRunValue& value : changes.removed) allDone = Delete(key.Handle(), value) && allDone;
  for (const TRunValue& value : changes.written) allDone = Write(key.Handle(), value) && allDone;
  return allDone;
}
