#pragma once
// The service control manager of the NT family. Its functions are looked up
// when first needed: Windows 95, 98 and Me have none of them, and importing
// them would keep the program from starting there.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct TServiceConfig {
  std::wstring name;
  std::wstring displayName;
  std::wstring imagePath;  // as stored, environment variables unexpanded
  DWORD start = SERVICE_DEMAND_START;
  // An automatic service Windows starts only some time after the others.
  bool delayed = false;
};

class TServiceControl {
 public:
  // Connects to the machine's service manager.
  TServiceControl();
  ~TServiceControl();
  TServiceControl(const TServiceControl&) = delete;
  TServiceControl& operator=(const TServiceControl&) = delete;

  // False where there is none to ask (the 9x family) or it refused.
  bool Connected() const { return manager_ != nullptr; }
  // Only administrators may change how a service starts; the others look.
  bool MayChange() const { return mayChange_; }

  // The names of every service that runs as a program of its own or in a
  // shared one; drivers are not among them.
  std::vector<std::wstring> Names() const;
  // None when the service is gone or cannot be read.
  std::optional<TServiceConfig> Query(const std::wstring& name) const;
  // ERROR_SUCCESS or the Win32 error code; nothing else of the service changes.
  DWORD ChangeStart(const std::wstring& name, DWORD start) const;
  DWORD ChangeDelayed(const std::wstring& name, bool delayed) const;

 private:
  SC_HANDLE manager_ = nullptr;
  bool mayChange_ = false;
};
