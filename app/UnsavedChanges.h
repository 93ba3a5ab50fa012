#pragma once
// The unsaved-change flags of the nine editable pages and the questions that
// closing the window asks about them.

#include <array>
#include <functional>

// In the order in which the close question visits the pages.
enum class TPageFlag { Registry, WinIni, SystemIni, ControlIni, Winstart, Dosstart, Autoexec, Config, Msdos };
inline constexpr int kPageFlagCount = 9;

class TUnsavedChanges {
 public:
  bool& Flag(TPageFlag page) { return flags_[Index(page)]; }
  // What a "Yes" to the page's question runs.
  void SetSaveHandler(TPageFlag page, std::function<void()> save) { saveHandlers_[Index(page)] = std::move(save); }
  void ClearAll() { flags_.fill(false); }

  // For every set flag, in the fixed order, asks whether to save that page;
  // a "Yes" saves at once, before the next question. There is no way to
  // cancel, and a failed save does not stop the questions. A save that
  // leaves its page's flag set has failed: then the result is false, so that
  // the window stays open with the edits the user wanted to keep.
  bool AskToSave();

 private:
  static int Index(TPageFlag page) { return static_cast<int>(page); }

  std::array<bool, kPageFlagCount> flags_{};
  std::array<std::function<void()>, kPageFlagCount> saveHandlers_;
};
