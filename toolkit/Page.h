#pragma once
// What the main window asks of each of its tab pages, and nothing more: the
// page's own controls stay its own.

class TPage {
 public:
  virtual ~TPage() = default;
  // Reads the page's place from the system afresh, asking nothing: at start
  // and after a restore, when no page has unsaved changes.
  virtual void Load() {}
  // Writes the page's unsaved changes back, as its save button does.
  virtual void Save() {}
  // Disables what the NT family cannot use and enables what only it can.
  virtual void ApplyPlatform(bool /*isWinNT*/) {}
};
