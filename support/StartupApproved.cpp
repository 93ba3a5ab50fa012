#include "support/StartupApproved.h"

#include <vector>

#include "support/RegKey.h"
#include "support/WindowsVersion.h"

namespace {

constexpr size_t kTimeOffset = 4;
constexpr size_t kTimeSize = 8;

std::wstring UpperName(std::wstring name) {
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

uint64_t LittleEndian(const std::string& bytes, size_t offset, size_t size) {
  uint64_t value = 0;
  for (size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

}  // namespace

TStartupApproval DecodeStartupApproval(const std::string& bytes) {
  TStartupApproval approval;
  approval.switchedOff = !bytes.empty() && (static_cast<unsigned char>(bytes[0]) & 1) != 0;
  if (approval.switchedOff && bytes.size() >= kTimeOffset + kTimeSize)
    approval.switchedOffAt = LittleEndian(bytes, kTimeOffset, kTimeSize);
  return approval;
}

std::string StartupApprovedSubKey(TApprovalList list) {
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
  switch (list) {
    case TApprovalList::Run32:
      return key + "Run32";
    case TApprovalList::StartupFolder:
      return key + "StartupFolder";
    case TApprovalList::Run:
      break;
  }
  return key + "Run";
}

TStartupApprovals::TStartupApprovals(HKEY root, TApprovalList list) : root_(root), list_(list) {
  TRegKey key(root, StartupApprovedSubKey(list), KEY_QUERY_VALUE | NativeRegistryView());
  if (!key) return;
  std::vector<wchar_t> name(16384);
  BYTE data[64];
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = static_cast<DWORD>(name.size()), dataSize = sizeof data, type = 0;
    LONG result = RegEnumValueW(key.Handle(), index, name.data(), &nameSize, nullptr, &type, data, &dataSize);
    if (result == ERROR_MORE_DATA) continue;  // not a value Windows writes
    if (result != ERROR_SUCCESS) return;
    if (type != REG_BINARY) continue;
    byUpperName_[UpperName(std::wstring(name.data(), nameSize))] =
        DecodeStartupApproval(std::string(reinterpret_cast<const char*>(data), dataSize));
  }
}

TStartupApproval TStartupApprovals::Of(const std::wstring& entryName) const {
  auto found = byUpperName_.find(UpperName(entryName));
  return found == byUpperName_.end() ? TStartupApproval{} : found->second;
}

bool TStartupApprovals::SwitchOn(const std::wstring& entryName, LONG* error) {
  HKEY key;
  LONG result = RegCreateKeyExA(root_, StartupApprovedSubKey(list_).c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE | NativeRegistryView(), nullptr, &key, nullptr);
  const BYTE switchedOn[kTimeOffset + kTimeSize] = {0x02};
  if (result == ERROR_SUCCESS) {
    result = RegSetValueExW(key, entryName.c_str(), 0, REG_BINARY, switchedOn, sizeof switchedOn);
    RegCloseKey(key);
  }
  if (error) *error = result;
  if (result != ERROR_SUCCESS) return false;
  byUpperName_[UpperName(entryName)] = TStartupApproval{};
  return true;
}
