#include "services/ServiceEntries.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "services/ServiceProgram.h"
#include "support/Parallel.h"
#include "support/Tools.h"
#include "support/WideText.h"

namespace {

// Started by Windows: automatic. Switched off by Velmora: manual, with the
// values it had remembered. A service another program made manual or
// disabled is none of the page's business, remembered values or not.
std::optional<TEntryState> StateOf(const TServiceConfig& config, const std::optional<TStartValues>& remembered) {
  if (config.start == SERVICE_AUTO_START) return TEntryState::On;
  if (config.start == SERVICE_DEMAND_START && remembered) return TEntryState::OffByVelmora;
  return std::nullopt;
}

TServiceEntry EntryOf(const TServiceConfig& config, TEntryState state, const std::optional<TStartValues>& remembered) {
  TServiceEntry service;
  service.entry.place = {HKEY_LOCAL_MACHINE, ServiceKey(config.name), 0};
  service.entry.name = config.name;
  service.entry.command = config.imagePath;
  service.entry.state = state;
  service.entry.editable = HasAnsiForm(config.name);
  service.displayName = config.displayName.empty() ? config.name : config.displayName;
  service.start = state == TEntryState::On ? TStartValues{config.start, config.delayed ? 1u : 0u} : *remembered;
  service.programFile = ServiceProgramFile(config.imagePath);
  service.company = CompanyOf(service.programFile);
  service.fromWindows = BelongsToWindows(service.programFile, service.company);
  return service;
}

// A service that starts with Windows or that Velmora switched off; none
// for any other, or one gone since the list was taken.
std::optional<TServiceEntry> Read(const TServiceControl& control, const std::wstring& name) {
  const std::optional<TServiceConfig> config = control.Query(name);
  if (!config) return std::nullopt;
  const std::optional<TStartValues> remembered = RememberedStart(name);
  const std::optional<TEntryState> state = StateOf(*config, remembered);
  if (!state) return std::nullopt;
  return EntryOf(*config, *state, remembered);
}

constexpr size_t kServicesForParts = 64, kParts = 4;

}  // namespace

bool ProgramFound(const TServiceEntry& service) {
  return GetFileAttributesW(service.programFile.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TServiceEntries::Load() {
  entries_.clear();
  available_ = mayChange_ = false;
  if (!IsWinNT) return;
  const TServiceControl control;
  available_ = control.Connected();
  mayChange_ = control.MayChange();
  const std::vector<std::wstring> names = control.Names();
  // Each service is several calls to the service manager, which wait on its
  // process more than they work: a few parts are read at the same time.
  std::vector<std::vector<TServiceEntry>> parts(names.size() < kServicesForParts ? 1 : kParts);
  InParts(names.size(), parts.size(), [&](size_t part, size_t first, size_t end) {
    for (size_t i = first; i < end; ++i)
      if (std::optional<TServiceEntry> entry = Read(control, names[i])) parts[part].push_back(std::move(*entry));
  });
  for (std::vector<TServiceEntry>& part : parts) std::move(part.begin(), part.end(), std::back_inserter(entries_));
  std::sort(entries_.begin(), entries_.end(), [](const TServiceEntry& a, const TServiceEntry& b) {
    return NameIdentity(a.displayName) < NameIdentity(b.displayName);
  });
}

// As loaded: the same start, the same delay, and switched off by Velmora
// still with the same values remembered.
bool TServiceEntries::Unchanged(const TServiceEntry& service, const TServiceControl& control) {
  const std::optional<TServiceConfig> now = control.Query(service.entry.name);
  if (!now) return false;
  if (service.entry.state == TEntryState::On)
    return now->start == service.start.start && (now->delayed ? 1u : 0u) == service.start.delayed;
  return now->start == SERVICE_DEMAND_START && RememberedStart(service.entry.name) == service.start;
}

TServiceEdit TServiceEntries::Switch(const TServiceEntry& service, bool on) {
  if (!mayChange_) return {TServiceOutcome::NotAllowed};
  if (!service.entry.editable) return {TServiceOutcome::NotEditable};
  const TServiceControl control;
  if (!control.MayChange()) return {TServiceOutcome::NotAllowed};
  if ((service.entry.state == TEntryState::On) == on) return {};
  if (!Unchanged(service, control)) return {TServiceOutcome::ChangedMeanwhile};
  return on ? SwitchOn(service, control) : SwitchOff(service, control);
}

// The memory first: a service switched off with nothing to bring it back
// would be lost to the page.
TServiceEdit TServiceEntries::SwitchOff(const TServiceEntry& service, const TServiceControl& control) {
  const std::wstring& name = service.entry.name;
  if (const LONG error = RememberStart(name, service.start)) return {TServiceOutcome::Failed, TServiceStep::Remember,
                                                                      static_cast<DWORD>(error)};
  if (const DWORD error = control.ChangeStart(name, SERVICE_DEMAND_START)) {
    ForgetStart(name);
    return {TServiceOutcome::Failed, TServiceStep::ChangeStart, error};
  }
  return {};
}

// A manual service does not heed its delay: the delay is set back first, so
// that a start that fails leaves nothing of the switch behind.
TServiceEdit TServiceEntries::SwitchOn(const TServiceEntry& service, const TServiceControl& control) {
  const std::wstring& name = service.entry.name;
  const std::optional<TServiceConfig> now = control.Query(name);
  const bool delayedNow = now && now->delayed;
  const bool delayed = service.start.delayed != 0;
  if (delayedNow != delayed)
    if (const DWORD error = control.ChangeDelayed(name, delayed))
      return {TServiceOutcome::Failed, TServiceStep::ChangeDelayed, error};
  if (const DWORD error = control.ChangeStart(name, service.start.start)) {
    if (delayedNow != delayed) control.ChangeDelayed(name, delayedNow);
    return {TServiceOutcome::Failed, TServiceStep::ChangeStart, error};
  }
  // Left behind, the memory is harmless: an automatic service is on.
  ForgetStart(name);
  return {};
}
