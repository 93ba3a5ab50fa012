#include "services/StartMemory.h"

#include "support/RegKey.h"
#include "support/WideText.h"

namespace {

constexpr char kMemoryKey[] = "Velmora-deaktiviert";
constexpr char kStart[] = "Start";
constexpr char kDelayed[] = "DelayedAutostart";

std::string MemoryKey(const std::wstring& service) { return ServiceKey(service) + "\\" + kMemoryKey; }

std::optional<DWORD> QueryDword(HKEY key, const char* name) {
  DWORD type = 0, value = 0, size = sizeof(value);
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value))
    return std::nullopt;
  return value;
}

LONG SetDword(HKEY key, const char* name, DWORD value) {
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

}  // namespace

std::string ServiceKey(const std::wstring& service) {
  return "SYSTEM\\CurrentControlSet\\Services\\" + AnsiFromWide(service);
}

std::optional<TStartValues> RememberedStart(const std::wstring& service) {
  TRegKey key(HKEY_LOCAL_MACHINE, MemoryKey(service), KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  const std::optional<DWORD> start = QueryDword(key.Handle(), kStart);
  if (!start) return std::nullopt;
  return TStartValues{*start, QueryDword(key.Handle(), kDelayed).value_or(0)};
}

LONG RememberStart(const std::wstring& service, const TStartValues& values) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, MemoryKey(service).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                &key, nullptr);
  if (result != ERROR_SUCCESS) return result;
  result = SetDword(key, kStart, values.start);
  if (result == ERROR_SUCCESS) result = SetDword(key, kDelayed, values.delayed);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) ForgetStart(service);
  return result;
}

LONG ForgetStart(const std::wstring& service) {
  const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, MemoryKey(service).c_str());
  return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}
