#pragma once
// A main window over the emptied Run keys, with the Registry page at hand.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "registry/RegAdd.h"
#include "registry/RunKeyPath.h"
#include "support/WideText.h"
#include "tests/CheckBoxClick.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/Application.h"

inline const std::string kHKLMRun = RunKeyPath("HKEY_LOCAL_MACHINE", "Run");
inline const std::string kHKCURun = RunKeyPath("HKEY_CURRENT_USER", "Run");
inline const std::string kHKCURunOnce = RunKeyPath("HKEY_CURRENT_USER", "RunOnce");

class RegistryPageTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  std::unique_ptr<TMainForm> form;

  TRegistryPage& Page() { return *form->WinReg; }
  TOwnerDataListView& View() { return Page().RegView; }

  void Store(const std::string& keyPath, const std::string& name, const std::string& data, DWORD type = REG_SZ) {
    TRunKeyPath key = ResolveRunKeyPath(keyPath);
    StoreValue(key.root, key.subKey, {name, data, type}, key.view);
  }
  // An entry of the machine's Run key whose program lies in a Cyrillic
  // folder: the NT family lists it with '?' for those letters.
  void StoreForeignEntry(const std::string& name) {
    TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
    StoreWideString(key.root, key.subKey, WideFromAnsi(name), L"C:\\\u041F\u0440\u043E\\app.exe");
  }
  std::vector<TStoredValue> Stored(const std::string& keyPath) {
    TRunKeyPath key = ResolveRunKeyPath(keyPath);
    return StoredValues(key.root, key.subKey, key.view);
  }
  void Open() { form = std::make_unique<TMainForm>(); }
  // The rows as shown: "name=value".
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int i = 0; i < View().Count(); ++i) rows.push_back(View().Caption(i) + "=" + View().SubItem(i));
    return rows;
  }
  // What a person does in the entry dialog: sees what it shows (caption,
  // fields, OK state), types name and value, and presses OK.
  struct TDialogSeen {
    std::string caption, name, value;
    bool okEnabled = false;
  };
  void FillEntryDialog(const std::string& name, const std::string& value, TDialogSeen* seen = nullptr) {
    dialogs.OnModal([=, this](TDialog& dialog) {
      auto& entry = dynamic_cast<TRegAddDlg&>(dialog);
      if (seen) *seen = {entry.Caption(), entry.StringEdit.Text(), entry.ValueEdit.Text(), entry.OKBtn.Enabled()};
      entry.StringEdit.SetText(name);
      entry.ValueEdit.SetText(value);
      Press(entry.OKBtn);
      return entry.ModalResult();
    });
  }
  void CancelEntryDialog() {
    dialogs.OnModal([this](TDialog& dialog) {
      Press(dynamic_cast<TRegAddDlg&>(dialog).CancelBtn);
      return dialog.ModalResult();
    });
  }
  void RegViewDoubleClick() {
    NMHDR click = {View().Handle(), static_cast<UINT_PTR>(View().Id()), static_cast<UINT>(NM_DBLCLK)};
    SendMessageA(Page().Handle(), WM_NOTIFY, click.idFrom, reinterpret_cast<LPARAM>(&click));
  }
  void Select(const std::string& name) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == name) View().Select(i);
  }
  // An entry added through the entry dialog; nothing is written yet.
  void AddUnsavedRow(const std::string& name, const std::string& value) {
    FillEntryDialog(name, value);
    Press(Page().AddRegBtn);
  }
  int RowOf(const std::string& name) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == name) return i;
    return -1;
  }
  // A click on a row's box, unless the box shows that state already: the
  // page acts once the message loop runs again.
  void Tick(const std::string& name, bool checked) {
    const int row = RowOf(name);
    if (View().Checked(row) != checked) ClickCheckBox(View(), row);
    Application().ProcessMessages();
  }
  std::vector<bool> Ticks() {
    std::vector<bool> ticks;
    for (int i = 0; i < View().Count(); ++i) ticks.push_back(View().Checked(i));
    return ticks;
  }
};
