#include "pages/WinIniPage.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "pages/TextFilePage.h"
#include "res/resource.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

namespace {

std::string KeptAsItIs(const std::string& key) {
  return "Der Wert für \"" + key +
         "\" enthält Zeichen, die hier nur als \"?\" angezeigt werden können. Er kann hier nicht bearbeitet werden "
         "und bleibt unverändert.";
}
std::string NoShortName(const std::string& path) {
  return "Die Datei " + path +
         " hat keinen kurzen Dateinamen (8.3), und ihr Pfad enthält Leerzeichen. Weil Leerzeichen die Einträge "
         "trennen, kann sie hier nicht eingetragen werden.";
}

// The name the blank-separated list can hold: the short (8.3) form where the
// file has one; none where the name left holds a blank.
std::optional<std::string> ListableName(const std::string& path) {
  std::string name = path;
  if (DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0)) {
    std::vector<char> shortName(size);
    if (GetShortPathNameA(path.c_str(), shortName.data(), size) < size) name = shortName.data();
  }
  if (name.find(' ') != std::string::npos) return std::nullopt;
  return name;
}

void AppendProgram(TEdit& field, const std::string& path) {
  // The Explorer-style dialog returns long names whatever its options say.
  const std::optional<std::string> name = ListableName(path);
  if (!name) {
    ShowError(NoShortName(path));
    return;
  }
  const std::string text = field.Text().empty() ? *name : field.Text() + " " + *name;
  if (text.size() > TWinIniPage::kMaxValueLength)
    ShowError("Dieser Eintrag darf 255 Zeichen nicht überschreiten!");
  else
    field.SetText(text);
}

bool IsExistingFile(const std::string& name) {
  DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CheckFileName(const std::string& name) {
  if (name.empty() || IsExistingFile(name)) return true;
  ShowError("Datei " + name + " nicht gefunden!");
  return false;
}

TFileDialogSpec WinIniOpenDialog() {
  TFileDialogSpec dialog;
  dialog.filter = "Anwendungen(*.exe)|*.exe|Alle Dateien (*.*)|*.*";
  dialog.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOLONGNAMES |
                   OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
  return dialog;
}

}  // namespace

bool CheckFileList(const std::string& value) {
  bool allFound = true;
  size_t start = 0;
  for (size_t blank; (blank = value.find(' ', start)) != std::string::npos; start = blank + 1)
    allFound = CheckFileName(value.substr(start, blank - start)) && allFound;
  return CheckFileName(value.substr(start)) && allFound;
}

TWinIniPage::TWinIniPage(HWND pageControlHandle, TPageControl& pageControl, TTheIniFile& iniFile, bool& winIniChanged,
                         std::function<void(const std::string&)> makeBackupCopy)
    : TDialog(pageControlHandle, IDD_WININI),
      Label2(*this, IDC_WININI_LABEL2),
      Label3(*this, IDC_WININI_LABEL3),
      Label4(*this, IDC_WININI_LABEL4),
      Label7(*this, IDC_WININI_LABEL7),
      RunEdit(*this, IDC_RUNEDIT),
      LoadEdit(*this, IDC_LOADEDIT),
      WinIniAddBtn(*this, IDC_WINIADDBTN),
      WinIniCheckBtn(*this, IDC_WINICHECKBTN),
      WinIniSaveBtn(*this, IDC_WINISAVEBTN),
      WinIniRefreshBtn(*this, IDC_WINIREFRESHBTN),
      WinIniPrintBtn(*this, IDC_WINIPRINTBTN),
      WinIniChanged(winIniChanged),
      pages_(pageControl),
      IniFile(iniFile),
      makeBackupCopy_(std::move(makeBackupCopy)) {
  Label7.SetText("Hinweis: Verwenden Sie nur kurze Dateinamen. Die Einträge für \"Run\" und \"Load\" müssen mit "
                 "Leerzeichen voneinander getrennt werden!");
  WinIniAddBtn.SetHint("Eintrag hinzufügen");
  for (TEdit* field : {&RunEdit, &LoadEdit}) {
    field->SetMaxLength(kMaxValueLength);
    field->OnChange = [this] { WinIniChanged = true; };
    field->OnEnter = [this] { WinIniFieldEditEnter(); };
    field->OnExit = [this] { WinIniFieldEditExit(); };
  }
  WinIniAddBtn.OnClick = [this] { WinIniAddBtnClick(); };
  WinIniCheckBtn.OnClick = [this] { WinIniCheckBtnClick(); };
  WinIniSaveBtn.OnClick = [this] { WinIniSaveBtnClick(); };
  WinIniRefreshBtn.OnClick = [this] { WinIniRefreshBtnClick(); };
}

std::string TWinIniPage::WinIniPath() { return GetWinDir() + "\\Win.ini"; }

void TWinIniPage::OpenWinIni() {
  IniFile.SetIniFileName("Win.ini");
  IniFile.Section = "windows";
  IniFile.SetOpen(true);
}

void TWinIniPage::UpdateCheckButton() {
  WinIniCheckBtn.SetEnabled(!Trim(RunEdit.Text()).empty() || !Trim(LoadEdit.Text()).empty());
}

void TWinIniPage::WinIniRefreshBtnClick() {
  if (WinIniChanged && !Confirm(TextFileTexts::DiscardQuestion("Win.ini"))) return;
  Load();
}

void TWinIniPage::Load() {
  TPageControlBusy busy(pages_);
  RunEdit.SetText("");
  LoadEdit.SetText("");
  OpenWinIni();
  for (auto [key, field] : Fields()) {
    std::string value = IniFile.ReadEntry(key, "");
    if (IniFile.ErrorCode == 0) field->SetText(value);
    field->SetReadOnly(!IniFile.EntryHasAnsiForm(key));
  }
  WinIniChanged = false;
  UpdateCheckButton();
}

std::array<std::pair<const char*, TEdit*>, 2> TWinIniPage::Fields() {
  return {std::pair{"run", &RunEdit}, std::pair{"load", &LoadEdit}};
}

void TWinIniPage::WriteValue(const char* key, const TEdit& field) {
  if (field.ReadOnly()) {
    ShowInfo(KeptAsItIs(key));
    return;
  }
  if (!IniFile.WriteEntry(key, field.Text()) || IniFile.ErrorCode != 0)
    ShowError(std::string("Konnte Wert für \"") + key + "\" nicht in Win.ini schreiben!");
}

void TWinIniPage::WinIniSaveBtnClick() {
  if (!WinIniChanged) {
    ShowError(TextFileTexts::kNothingToSave);
    return;
  }
  {
    TPageControlBusy busy(pages_);
    makeBackupCopy_(WinIniPath());
    OpenWinIni();
    for (auto [key, field] : Fields()) WriteValue(key, *field);
    WinIniChanged = false;
    ShowInfo(TextFileTexts::kSaved);
  }
  UpdateCheckButton();
}

void TWinIniPage::WinIniCheckBtnClick() {
  if (!Trim(RunEdit.Text()).empty()) CheckFileList(RunEdit.Text());
  if (!Trim(LoadEdit.Text()).empty()) CheckFileList(LoadEdit.Text());
}

void TWinIniPage::WinIniAddBtnClick() {
  const auto fields = Fields();
  auto focused = std::find_if(fields.begin(), fields.end(), [](auto& f) { return f.second->Handle() == GetFocus(); });
  if (focused == fields.end()) {
    ShowError("Klicken Sie zuerst in das Feld 'Wert für \"Run\"' oder 'Wert für \"Load\"'!");
    return;
  }
  auto [key, field] = *focused;
  if (field->ReadOnly()) {
    ShowInfo(KeptAsItIs(key));
    return;
  }
  std::string chosen;
  if (Interaction().OpenFile(WinIniOpenDialog(), chosen)) AppendProgram(*field, chosen);
  UpdateCheckButton();
}
