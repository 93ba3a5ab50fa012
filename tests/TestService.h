#pragma once
// A service of the test's own in the machine's real service manager, made as
// "sc create" makes one and deleted with its key when the test ends. Wine's
// own services are never touched.

#include <windows.h>

#include <map>
#include <string>

class TTestService {
 public:
  TTestService(const std::wstring& name, const std::wstring& imagePath, DWORD start, bool delayed = false);
  ~TTestService();
  TTestService(const TTestService&) = delete;
  TTestService& operator=(const TTestService&) = delete;

  const std::wstring& Name() const { return name_; }
  // As another tool would do it.
  void SetStart(DWORD start) const;
  // The service manager refuses every change once a service is marked for
  // deletion, while a handle keeps it alive.
  void MarkForDeletion();

 private:
  std::wstring name_;
  SC_HANDLE manager_ = nullptr;
  SC_HANDLE service_ = nullptr;
};

// Every value of the service's own key, its sub-keys left out: name to type
// and bytes.
std::map<std::string, std::string> ServiceKeyValues(const std::wstring& service);
// A DWORD of the service's key or of a sub-key of it; -1 when missing.
long long ServiceDword(const std::wstring& service, const std::string& subKey, const std::string& name);
