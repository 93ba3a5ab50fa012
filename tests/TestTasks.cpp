#include "tests/TestTasks.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/NativeSystemFolder.h"
#include "support/WholeFile.h"
#include "support/WideText.h"

namespace {

std::wstring Escaped(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'&') escaped += L"&amp;";
    else if (c == L'<') escaped += L"&lt;";
    else if (c == L'>') escaped += L"&gt;";
    else escaped += c;
  }
  return escaped;
}

std::wstring TaskText(const TTaskXml& task, const std::wstring& encoding) {
  std::wstring text = L"<?xml version=\"1.0\" encoding=\"" + encoding + L"\"?>\r\n"
                      L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\r\n"
                      L"  <RegistrationInfo>\r\n    <Author>" + Escaped(task.author) + L"</Author>\r\n"
                      L"  </RegistrationInfo>\r\n  <Triggers>" + task.triggers + L"</Triggers>\r\n"
                      L"  <Principals>\r\n    <Principal id=\"Author\">" + task.principal + L"</Principal>\r\n"
                      L"  </Principals>\r\n  <Settings>\r\n"
                      L"    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\r\n";
  if (!task.enabled.empty()) text += L"    <Enabled>" + task.enabled + L"</Enabled>\r\n";
  text += L"  </Settings>\r\n  <Actions Context=\"Author\">\r\n";
  for (const auto& [command, arguments] : task.execs) {
    text += L"    <Exec>\r\n      <Command>" + Escaped(command) + L"</Command>\r\n";
    if (!arguments.empty()) text += L"      <Arguments>" + Escaped(arguments) + L"</Arguments>\r\n";
    text += L"    </Exec>\r\n";
  }
  return text + L"  </Actions>\r\n</Task>\r\n";
}

}  // namespace

std::string TaskFileBytes(const TTaskXml& task, TTaskEncoding encoding) {
  if (encoding != TTaskEncoding::Utf16) {
    const std::string text = Utf8FromWide(TaskText(task, L"UTF-8"));
    return encoding == TTaskEncoding::Utf8WithMark ? "\xEF\xBB\xBF" + text : text;
  }
  const std::wstring text = L"\xFEFF" + TaskText(task, L"UTF-16");
  std::string bytes;
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TTestTasks::TTestTasks() {
  const TNativeSystemFolder native;
  const std::wstring folder = TasksFolder() + kFolder;
  CreateDirectoryW(folder.c_str(), nullptr);
  folders_.push_back(folder);
}

TTestTasks::~TTestTasks() {
  const TNativeSystemFolder native;
  for (const std::wstring& file : files_) DeleteFileW(file.c_str());
  for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryW(folder->c_str());
}

void TTestTasks::Write(const std::wstring& name, const std::string& bytes) {
  const TNativeSystemFolder native;
  const std::wstring file = FileOf(name);
  const size_t folderEnd = file.rfind(L'\\');
  if (folderEnd > folders_.front().size() && CreateDirectoryW(file.substr(0, folderEnd).c_str(), nullptr))
    folders_.push_back(file.substr(0, folderEnd));
  ASSERT_EQ(WriteWholeFile(file, bytes), TWriteResult::Written) << AnsiFromWide(file);
  files_.push_back(file);
}

bool TTestTasks::TFileState::operator==(const TFileState& other) const {
  return path == other.path && bytes == other.bytes && CompareFileTime(&written, &other.written) == 0;
}

std::vector<TTestTasks::TFileState> TTestTasks::Snapshot() {
  std::vector<TFileState> states;
  const std::optional<std::vector<TTaskFile>> files = ReadTaskFiles(TasksFolder());
  if (!files) return states;
  const TNativeSystemFolder native;
  for (const TTaskFile& file : *files) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW((TasksFolder() + file.path).c_str(), GetFileExInfoStandard, &data);
    states.push_back({file.path, file.bytes, data.ftLastWriteTime});
  }
  return states;
}
