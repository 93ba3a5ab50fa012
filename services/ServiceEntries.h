#pragma once
// The services Windows starts by itself, and those Velmora switched off,
// without any window. Loading only reads. A switch acts on the service at
// once, through the service manager, so that Windows' own picture of the
// service agrees; it says what it met, and nothing is left half-written.

#include <string>
#include <vector>

#include "services/ServiceControl.h"
#include "services/StartMemory.h"
#include "support/StartupEntry.h"

struct TServiceEntry {
  // place: the service's key; name: the service's name; command: its
  // ImagePath as stored; state: On or OffByVelmora.
  TStartupEntry entry;
  std::wstring displayName;
  // As Windows starts it; for one switched off, as it started it before.
  TStartValues start;
  std::wstring programFile;
  std::wstring company;
  bool fromWindows = false;
};

// Switched off or not: a service whose program is gone is a fault.
bool ProgramFound(const TServiceEntry& service);

enum class TServiceOutcome {
  Done,
  NotAllowed,        // only administrators may switch services
  NotEditable,       // its name has no form the registry functions here can write
  ChangedMeanwhile,  // another program switched it or removed it since the load: left as it is
  Failed,            // see step and error; the service starts as it did before
};
enum class TServiceStep { Remember, ChangeStart, ChangeDelayed };

struct TServiceEdit {
  TServiceOutcome outcome = TServiceOutcome::Done;
  TServiceStep step = TServiceStep::Remember;
  DWORD error = ERROR_SUCCESS;
};

class TServiceEntries {
 public:
  // Asks the service manager afresh; on the 9x family it asks nothing.
  void Load();

  // False on the 9x family, and where the service manager cannot be reached.
  bool Available() const { return available_; }
  bool MayChange() const { return mayChange_; }
  // By display name.
  const std::vector<TServiceEntry>& Entries() const { return entries_; }

  // Off: the start becomes manual (a program that needs the service can still
  // start it) and the values it had are remembered; on: they come back.
  TServiceEdit Switch(const TServiceEntry& service, bool on);

 private:
  static bool Unchanged(const TServiceEntry& service, const TServiceControl& control);
  static TServiceEdit SwitchOff(const TServiceEntry& service, const TServiceControl& control);
  static TServiceEdit SwitchOn(const TServiceEntry& service, const TServiceControl& control);

  bool available_ = false;
  bool mayChange_ = false;
  std::vector<TServiceEntry> entries_;
};
