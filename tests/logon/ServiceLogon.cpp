// The Windows side of service-logon.sh: makes the proof's services (copies
// of the marker program), switches them through the services model as the
// Dienste page does, prints their start values, and removes them.
//   velmora_service_logon.exe prepare <folder> | switch on|off | values | remove
#include <windows.h>

#include <cstdio>
#include <string>

#include "services/ServiceEntries.h"
#include "services/StartMemory.h"
#include "support/RegKey.h"
#include "support/Tools.h"
#include "support/WideText.h"

namespace {

struct TProofService {
  const wchar_t* name;
  bool delayed;
  bool switched;  // by the proof; the other stays as it is
};
const TProofService kServices[] = {
    {L"VelmoraLogonAus", false, true},
    {L"VelmoraLogonVerz", true, true},
    {L"VelmoraLogonBleibt", false, false},
};

bool Prepare(const std::string& folder) {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  const std::string marker = ExtractFilePath(ProgramFileName()) + "velmora_marker.exe";
  bool ok = manager != nullptr;
  for (const TProofService& proof : kServices) {
    const std::string program = folder + "\\" + AnsiFromWide(proof.name) + ".exe";
    ok &= CopyFileA(marker.c_str(), program.c_str(), FALSE) != 0;
    SC_HANDLE service = CreateServiceW(manager, proof.name, proof.name, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                       SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, WideFromAnsi(program).c_str(),
                                       nullptr, nullptr, nullptr, nullptr, nullptr);
    ok &= service != nullptr;
    if (service) CloseServiceHandle(service);
    // As installers write it: Wine's service manager refuses to set it.
    const DWORD one = 1;
    TRegKey key(HKEY_LOCAL_MACHINE, ServiceKey(proof.name), KEY_SET_VALUE);
    if (proof.delayed)
      ok &= RegSetValueExA(key.Handle(), "DelayedAutostart", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                           sizeof(one)) == ERROR_SUCCESS;
  }
  if (manager) CloseServiceHandle(manager);
  return ok;
}

bool Switch(bool on) {
  TServiceEntries services;
  services.Load();
  int switched = 0;
  for (const TServiceEntry& service : services.Entries())
    for (const TProofService& proof : kServices)
      if (proof.switched && service.entry.name == proof.name) {
        const TServiceEdit edit = services.Switch(service, on);
        if (edit.outcome != TServiceOutcome::Done) return false;
        ++switched;
      }
  return switched == 2;
}

long long Dword(const std::string& key, const char* name) {
  TRegKey open(HKEY_LOCAL_MACHINE, key, KEY_QUERY_VALUE);
  DWORD value = 0, size = sizeof(value);
  if (!open || RegQueryValueExA(open.Handle(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size))
    return -1;
  return value;
}

void PrintValues() {
  for (const TProofService& proof : kServices) {
    const std::string key = ServiceKey(proof.name), memory = key + "\\Velmora-deaktiviert";
    std::printf("%s Start=%lld DelayedAutostart=%lld gemerkt=%lld/%lld\n", AnsiFromWide(proof.name).c_str(),
                Dword(key, "Start"), Dword(key, "DelayedAutostart"), Dword(memory, "Start"),
                Dword(memory, "DelayedAutostart"));
  }
}

void Remove() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  for (const TProofService& proof : kServices) {
    SC_HANDLE service = OpenServiceW(manager, proof.name, DELETE);
    if (service) {
      DeleteService(service);
      CloseServiceHandle(service);
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ServiceKey(proof.name).c_str());
  }
  CloseServiceHandle(manager);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "prepare" && argc == 3) return Prepare(argv[2]) ? 0 : 1;
  if (command == "switch" && argc == 3) return Switch(std::string(argv[2]) == "on") ? 0 : 1;
  if (command == "values") return PrintValues(), 0;
  if (command == "remove") return Remove(), 0;
  std::fputs("usage: velmora_service_logon.exe prepare <folder> | switch on|off | values | remove\n", stderr);
  return 2;
}
