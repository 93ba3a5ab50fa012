#include "tests/TestService.h"

#include <gtest/gtest.h>

#include <vector>

#include "services/StartMemory.h"
#include "support/RegKey.h"

TTestService::TTestService(const std::wstring& name, const std::wstring& imagePath, DWORD start, bool delayed)
    : name_(name), manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {
  service_ = CreateServiceW(manager_, name.c_str(), (name + L" (Test)").c_str(), SERVICE_ALL_ACCESS,
                            SERVICE_WIN32_OWN_PROCESS, start, SERVICE_ERROR_NORMAL, imagePath.c_str(), nullptr,
                            nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(service_) << "CreateService failed: " << GetLastError();
  // As installers write it: Wine's service manager reads the value at its
  // start but refuses to set it.
  if (delayed) {
    const DWORD one = 1;
    TRegKey key(HKEY_LOCAL_MACHINE, ServiceKey(name), KEY_SET_VALUE);
    EXPECT_EQ(RegSetValueExA(key.Handle(), "DelayedAutostart", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                             sizeof(one)),
              ERROR_SUCCESS);
  }
}

TTestService::~TTestService() {
  if (service_) {
    DeleteService(service_);
    CloseServiceHandle(service_);
  }
  CloseServiceHandle(manager_);
  if (!name_.empty()) RegDeleteTreeA(HKEY_LOCAL_MACHINE, ServiceKey(name_).c_str());
}

void TTestService::SetStart(DWORD start) const {
  EXPECT_TRUE(ChangeServiceConfigW(service_, SERVICE_NO_CHANGE, start, SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr));
}

void TTestService::MarkForDeletion() { EXPECT_TRUE(DeleteService(service_)); }

std::map<std::string, std::string> ServiceKeyValues(const std::wstring& service) {
  std::map<std::string, std::string> values;
  TRegKey key(HKEY_LOCAL_MACHINE, ServiceKey(service), KEY_QUERY_VALUE);
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameLength = sizeof(name), type = 0, size = 0;
    if (RegEnumValueA(key.Handle(), i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::string bytes(size, '\0');
    nameLength = sizeof(name);
    RegEnumValueA(key.Handle(), i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    values[name] = std::to_string(type) + ":" + bytes;
  }
  return values;
}

long long ServiceDword(const std::wstring& service, const std::string& subKey, const std::string& name) {
  TRegKey key(HKEY_LOCAL_MACHINE, ServiceKey(service) + (subKey.empty() ? "" : "\\" + subKey), KEY_QUERY_VALUE);
  DWORD value = 0, size = sizeof(value), type = 0;
  if (!key || RegQueryValueExA(key.Handle(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                  ERROR_SUCCESS)
    return -1;
  return value;
}
