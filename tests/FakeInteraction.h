#pragma once
// The test bench's stand-in for every modal interaction: it answers from a
// script, in order, and records everything that was shown.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <source_location>
#include <string>
#include <vector>

#include "toolkit/Interaction.h"

struct TShownMessage {
  TMsgDlgType type;
  std::string text;
  TMsgDlgButtons buttons;
  std::string title;  // filled in from the type when recorded

  bool operator==(const TShownMessage& other) const {
    return type == other.type && text == other.text && buttons == other.buttons && title == other.title;
  }
};
std::ostream& operator<<(std::ostream& out, const TShownMessage& message);

// Shorthands for expected messages.
TShownMessage Question(const std::string& text);
TShownMessage Info(const std::string& text);
TShownMessage Error(const std::string& text);
TShownMessage Warning(const std::string& text);
TShownMessage Plain(const std::string& text);

struct TInputQueryShown {
  std::string caption, prompt, proposed;
};

struct TFileDialogShown {
  TFileDialogSpec request;
  std::string proposedName;
  bool save = false;
};

class TFakeInteraction : public TInteraction {
 public:
  TFakeInteraction() : replaced_(SetInteraction(this)) {}
  ~TFakeInteraction() override { SetInteraction(replaced_); }

  // Answers to the coming Yes/No questions, in order.
  void Answer(std::initializer_list<TModalResult> answers) { answers_.insert(answers_.end(), answers); }
  // What the coming modal dialogs do: each acts on its dialog and returns its result.
  void OnModal(std::function<TModalResult(TDialog&)> script) { modalScripts_.push_back(std::move(script)); }
  // The coming file dialogs' choices; nullopt cancels.
  void ChooseFile(std::optional<std::string> fileName) { fileChoices_.push_back(std::move(fileName)); }

  const std::vector<TShownMessage>& Shown() const { return shown_; }
  const std::vector<TFileDialogShown>& FileDialogs() const { return fileDialogs_; }

  // Addresses given to the shell and sounds played, in order.
  struct TOpenedDocument {
    HWND owner;
    std::string address;
  };
  const std::vector<TOpenedDocument>& OpenedDocuments() const { return openedDocuments_; }
  const std::vector<std::string>& PlayedSounds() const { return playedSounds_; }
  void ClearPlayedSounds() { playedSounds_.clear(); }
  void ClearShown() { shown_.clear(); }

  TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
  TModalResult ShowModal(TDialog& dialog) override;
  bool OpenFile(const TFileDialogSpec& request, std::string& fileName) override;
  bool SaveFile(const TFileDialogSpec& request, std::string& fileName) override;
  // The print dialog: answers as the next ChoosePrinter says; the printer
  // records every job with its lines.
  TPrintDialogResult PrintDialog(std::unique_ptr<TPrinter>& printer) override;
  void ChoosePrinter(TPrintDialogResult result, int copies = 1) { printChoices_.push_back({result, copies}); }
  int printDialogs = 0;
  std::vector<std::vector<std::string>> printJobs;
  bool printerRefuses = false;

  // Answers with the next text given to Type (nullopt cancels); records what
  // the box showed.
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) override;
  void Type(std::optional<std::string> text) { typedTexts_.push_back(std::move(text)); }
  std::vector<TInputQueryShown> inputQueries;

  // Answers with the item whose text begins with the next caption given to
  // ChooseMenuItem (nullopt dismisses the menu); records every menu shown.
  UINT PopupMenu(HWND owner, HMENU menu, POINT at) override;
  void ChooseMenuItem(std::optional<std::string> caption) { menuChoices_.push_back(std::move(caption)); }
  struct TMenuItemShown {
    std::string text;
    bool enabled;
  };
  std::vector<std::vector<TMenuItemShown>> menus;

  // Answers with the next folder given to ChooseFolder; records the title.
  std::string BrowseForFolder(const std::string& title) override;
  void ChooseFolder(const std::string& folder) { folderChoices_.push_back(folder); }
  std::vector<std::string> folderBrowserTitles;

  // Never ends the session: records the flags and answers as scripted.
  bool ShutdownWindows(unsigned flags) override;

  bool shutdownAccepted = true;
  std::vector<unsigned> shutdownRequests;

  void OpenDocument(HWND owner, const std::string& address) override { openedDocuments_.push_back({owner, address}); }
  void PlaySystemSound(const std::string& alias) override { playedSounds_.push_back(alias); }

 private:
  TInteraction* replaced_;
  bool NextFile(const TFileDialogSpec& request, std::string& fileName, bool save);

  std::deque<TModalResult> answers_;
  std::deque<std::function<TModalResult(TDialog&)>> modalScripts_;
  std::deque<std::optional<std::string>> fileChoices_;
  std::deque<std::string> folderChoices_;
  std::deque<std::optional<std::string>> menuChoices_;
  std::deque<std::optional<std::string>> typedTexts_;
  std::deque<std::pair<TPrintDialogResult, int>> printChoices_;
  std::vector<TShownMessage> shown_;
  std::vector<TFileDialogShown> fileDialogs_;

  std::vector<TOpenedDocument> openedDocuments_;
  std::vector<std::string> playedSounds_;
};

// Expects exactly these messages, in this order; a failure names the caller's line.
void ExpectShown(const TFakeInteraction& fake, const std::vector<TShownMessage>& expected,
                 std::source_location where = std::source_location::current());
