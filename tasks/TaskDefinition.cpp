#include "tasks/TaskDefinition.h"

#include <optional>

#include "tasks/XmlDocument.h"

namespace {

struct TOverlong {};

std::wstring Collapsed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t\r\n");
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(L" \t\r\n") - first + 1);
}

std::wstring ValueOf(const TXmlElement& element) {
  std::wstring value = element.Text();
  if (value.size() > kLongestTaskValue) throw TOverlong{};
  return value;
}

// The text of the child at the end of the path of names; empty when one is missing.
std::wstring ValueAt(const TXmlElement& from, std::initializer_list<const wchar_t*> path) {
  std::optional<TXmlElement> element = from;
  for (const wchar_t* name : path)
    if (!(element = element->Child(name))) return L"";
  return ValueOf(*element);
}

// An XML boolean; a missing one has the scheduler's default, true.
bool SwitchedOn(const TXmlElement& parent) {
  const std::optional<TXmlElement> enabled = parent.Child(L"Enabled");
  if (!enabled) return true;
  const std::wstring value = Collapsed(ValueOf(*enabled));
  return value != L"false" && value != L"0";
}

bool StartsWithWindows(const TXmlElement& task) {
  const std::optional<TXmlElement> triggers = task.Child(L"Triggers");
  if (!triggers) return false;
  for (const wchar_t* kind : {L"LogonTrigger", L"BootTrigger"})
    for (const TXmlElement& trigger : triggers->Children(kind))
      if (SwitchedOn(trigger)) return true;
  return false;
}

std::wstring UserOf(const TXmlElement& task) {
  const std::wstring user = ValueAt(task, {L"Principals", L"Principal", L"UserId"});
  return user.empty() ? ValueAt(task, {L"Principals", L"Principal", L"GroupId"}) : user;
}

std::vector<TTaskAction> ActionsOf(const TXmlElement& task) {
  std::vector<TTaskAction> actions;
  if (const std::optional<TXmlElement> all = task.Child(L"Actions"))
    for (const TXmlElement& exec : all->Children(L"Exec"))
      actions.push_back({ValueAt(exec, {L"Command"}), ValueAt(exec, {L"Arguments"})});
  return actions;
}

bool IsOn(const TXmlElement& task) {
  const std::optional<TXmlElement> settings = task.Child(L"Settings");
  return !settings || SwitchedOn(*settings);
}

}  // namespace

TTaskReading ReadTaskDefinition(const std::string& bytes, TTaskDefinition& definition) {
  const std::optional<TXmlElement> task = ReadXmlDocument(bytes);
  if (!task) return TTaskReading::NotWellFormed;
  if (task->Name() != L"Task") return TTaskReading::NotATask;
  try {
    definition.author = ValueAt(*task, {L"RegistrationInfo", L"Author"});
    definition.user = UserOf(*task);
    definition.enabled = IsOn(*task);
    definition.startsWithWindows = StartsWithWindows(*task);
    definition.actions = ActionsOf(*task);
  } catch (const TOverlong&) {
    definition = {};  // nothing of a definition that was not read is shown
    return TTaskReading::Overlong;
  }
  return TTaskReading::Read;
}
