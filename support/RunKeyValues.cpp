#include "support/RunKeyValues.h"

#include "support/RegKey.h"
#include "toolkit/Interaction.h"

namespace {

constexpr DWORD kBufferSize = 1023;

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

void DeleteValues(HKEY root, const std::string& subKey, const TValueList& values, REGSAM view) {
  TRegKey key(root, subKey, KEY_SET_VALUE | view);
  if (!key) return;
  for (const TRunValue& value : values)
    if (RegDeleteValueA(key.Handle(), value.name.c_str()) != ERROR_SUCCESS)
      ShowError("Konnte Wert " + value.name + " nicht entfernen! Der Eintrag verbleibt in der Registrierung.");
}

void WriteValues(HKEY root, const std::string& subKey, const TValueList& values, REGSAM view) {
  TRegKey key(root, subKey, KEY_SET_VALUE | view);
  if (!key) return;
  for (const TRunValue& value : values) {
    DWORD type = value.type == REG_EXPAND_SZ ? REG_EXPAND_SZ : REG_SZ;
    auto data = reinterpret_cast<const BYTE*>(value.data.c_str());
    DWORD size = static_cast<DWORD>(value.data.size() + 1);
    if (RegSetValueExA(key.Handle(), value.name.c_str(), 0, type, data, size) != ERROR_SUCCESS)
      ShowError("Konnte Wert " + value.name + " nicht in Registrierung schreiben!");
  }
}

}  // namespace

void ReadKeyValues(HKEY root, const std::string& subKey, TValueList& list, REGSAM view) {
  TRegKey key(root, subKey, KEY_QUERY_VALUE | view);
  if (!key) return;
  char name[kBufferSize + 1];
  BYTE data[kBufferSize + 1];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = kBufferSize, dataSize = kBufferSize, type = 0;
    if (RegEnumValueA(key.Handle(), index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      return;
    if (!IsText(type)) continue;
    data[dataSize] = 0;  // stored text need not end in a zero byte
    name[nameSize] = 0;
    list.push_back({name, reinterpret_cast<const char*>(data), type});
  }
}

void WriteKeyValues(HKEY root, const std::string& subKey, const TValueList& list, REGSAM view) {
  TValueList current;
  ReadKeyValues(root, subKey, current, view);
  if (!current.empty()) DeleteValues(root, subKey, current, view);
  if (!list.empty()) WriteValues(root, subKey, list, view);
}
