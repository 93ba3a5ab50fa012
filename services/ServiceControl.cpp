#include "services/ServiceControl.h"

#include <vector>

#include "services/StartMemory.h"
#include "support/RegKey.h"
#include "toolkit/SystemFunction.h"

namespace {

constexpr char kAdvapi[] = "advapi32.dll";

struct TScmFunctions {
  decltype(&OpenSCManagerW) openManager = SystemFunction<decltype(&OpenSCManagerW)>(kAdvapi, "OpenSCManagerW");
  decltype(&OpenServiceW) openService = SystemFunction<decltype(&OpenServiceW)>(kAdvapi, "OpenServiceW");
  decltype(&CloseServiceHandle) close =
      SystemFunction<decltype(&CloseServiceHandle)>(kAdvapi, "CloseServiceHandle");
  decltype(&EnumServicesStatusW) enumerate =
      SystemFunction<decltype(&EnumServicesStatusW)>(kAdvapi, "EnumServicesStatusW");
  decltype(&QueryServiceConfigW) queryConfig =
      SystemFunction<decltype(&QueryServiceConfigW)>(kAdvapi, "QueryServiceConfigW");
  // Windows 2000 and XP lack the delayed start and answer ERROR_INVALID_LEVEL.
  decltype(&QueryServiceConfig2W) queryConfig2 =
      SystemFunction<decltype(&QueryServiceConfig2W)>(kAdvapi, "QueryServiceConfig2W");
  decltype(&ChangeServiceConfigW) changeConfig =
      SystemFunction<decltype(&ChangeServiceConfigW)>(kAdvapi, "ChangeServiceConfigW");
  decltype(&ChangeServiceConfig2W) changeConfig2 =
      SystemFunction<decltype(&ChangeServiceConfig2W)>(kAdvapi, "ChangeServiceConfig2W");

  bool Complete() const {
    return openManager && openService && close && enumerate && queryConfig && changeConfig;
  }
};

const TScmFunctions& Scm() {
  static const TScmFunctions functions;
  return functions;
}

class TServiceHandle {
 public:
  TServiceHandle(SC_HANDLE manager, const std::wstring& name, DWORD access)
      : handle_(Scm().openService(manager, name.c_str(), access)) {}
  ~TServiceHandle() {
    if (handle_) Scm().close(handle_);
  }
  TServiceHandle(const TServiceHandle&) = delete;
  TServiceHandle& operator=(const TServiceHandle&) = delete;
  explicit operator bool() const { return handle_ != nullptr; }
  SC_HANDLE Handle() const { return handle_; }

 private:
  SC_HANDLE handle_;
};

// The delay as the registry holds it: Windows before Vista has none, and
// Wine keeps it there without telling it through the service manager.
bool DelayedInRegistry(const std::wstring& name) {
  TRegKey key(HKEY_LOCAL_MACHINE, ServiceKey(name), KEY_QUERY_VALUE);
  DWORD type = 0, value = 0, size = sizeof(value);
  return key &&
         RegQueryValueExA(key.Handle(), "DelayedAutostart", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
             ERROR_SUCCESS &&
         type == REG_DWORD && value != 0;
}

bool DelayedStart(SC_HANDLE service, const std::wstring& name) {
  SERVICE_DELAYED_AUTO_START_INFO info = {};
  DWORD needed = 0;
  if (Scm().queryConfig2 && Scm().queryConfig2(service, SERVICE_CONFIG_DELAYED_AUTO_START_INFO,
                                               reinterpret_cast<BYTE*>(&info), sizeof(info), &needed))
    return info.fDelayedAutostart;
  return DelayedInRegistry(name);
}

std::wstring TextOf(const wchar_t* text) { return text ? text : L""; }

}  // namespace

TServiceControl::TServiceControl() {
  if (!Scm().Complete()) return;
  // The rights to change come only to administrators: asking for them tells
  // whether the page may offer changes.
  manager_ = Scm().openManager(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  mayChange_ = manager_ != nullptr;
  if (!manager_) manager_ = Scm().openManager(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
}

TServiceControl::~TServiceControl() {
  if (manager_) Scm().close(manager_);
}

// All in one call: Wine's service manager gives the first part again and
// again instead of going on where the last call stopped, so a list too long
// for the buffer is asked for again in a buffer that holds it.
std::vector<std::wstring> TServiceControl::Names() const {
  std::vector<std::wstring> names;
  if (!manager_) return names;
  std::vector<BYTE> buffer(64 * 1024);
  for (;;) {
    DWORD needed = 0, returned = 0, resume = 0;
    const BOOL all = Scm().enumerate(manager_, SERVICE_WIN32, SERVICE_STATE_ALL,
                                     reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data()),
                                     static_cast<DWORD>(buffer.size()), &needed, &returned, &resume);
    if (all) {
      const auto* services = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(buffer.data());
      for (DWORD i = 0; i < returned; ++i) names.push_back(services[i].lpServiceName);
      return names;
    }
    if (GetLastError() != ERROR_MORE_DATA || needed == 0) return names;
    buffer.resize(buffer.size() + needed);
  }
}

std::optional<TServiceConfig> TServiceControl::Query(const std::wstring& name) const {
  if (!manager_) return std::nullopt;
  TServiceHandle service(manager_, name, SERVICE_QUERY_CONFIG);
  if (!service) return std::nullopt;
  DWORD needed = 0;
  Scm().queryConfig(service.Handle(), nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
  if (needed == 0 || !Scm().queryConfig(service.Handle(), config, needed, &needed)) return std::nullopt;
  return TServiceConfig{name, TextOf(config->lpDisplayName), TextOf(config->lpBinaryPathName),
                        config->dwStartType, DelayedStart(service.Handle(), name)};
}

DWORD TServiceControl::ChangeStart(const std::wstring& name, DWORD start) const {
  TServiceHandle service(manager_, name, SERVICE_CHANGE_CONFIG);
  if (!service) return GetLastError();
  if (!Scm().changeConfig(service.Handle(), SERVICE_NO_CHANGE, start, SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr))
    return GetLastError();
  return ERROR_SUCCESS;
}

DWORD TServiceControl::ChangeDelayed(const std::wstring& name, bool delayed) const {
  if (!Scm().changeConfig2) return ERROR_INVALID_LEVEL;
  TServiceHandle service(manager_, name, SERVICE_CHANGE_CONFIG);
  if (!service) return GetLastError();
  SERVICE_DELAYED_AUTO_START_INFO info = {delayed};
  if (!Scm().changeConfig2(service.Handle(), SERVICE_CONFIG_DELAYED_AUTO_START_INFO, &info)) return GetLastError();
  return ERROR_SUCCESS;
}
