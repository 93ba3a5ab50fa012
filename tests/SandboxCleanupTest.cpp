// The test bench's own sandboxes leave nothing behind, also names that have
// no ANSI form: what one test leaves there would break the next.
#include <gtest/gtest.h>
#include <windows.h>


#include "registry/RunKeyPath.h"
#include "support/AnsiText.h"
#include "support/WideText.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

const std::wstring kNames[] = {L"Gew\u00F6hnlich", L"\u041A\u0438\u0440\u0438\u043B\u043B\u0438\u0446\u0430",
                               L"\u65E5\u672C", L"\u03A9 Werkzeug"};

TEST(SandboxCleanup, TheRunKeysSandboxRemovesEveryValue) {
  const TRunKeyPath key = ResolveRunKeyPath(kRunKeyPaths[1]);
  {
    TRunKeysSandbox sandbox;
    for (const std::wstring& name : kNames) StoreWideString(key.root, key.subKey, name, L"C:\\" + name + L".exe");
    ASSERT_EQ(StoredWideValues(key.root, key.subKey).size(), std::size(kNames));
  }
  EXPECT_EQ(StoredWideValues(key.root, key.subKey), std::vector<TWideValue>{});
}

TEST(SandboxCleanup, TheScratchFolderRemovesEveryFileAndFolder) {
  std::wstring folder;
  {
    TScratchFolder scratch("sandbox-cleanup");
    folder = WideFromAnsi(scratch.Path());
    for (const std::wstring& name : kNames) {
      const std::wstring sub = folder + L"\\" + name;
      ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
      for (const std::wstring& path : {folder + L"\\" + name + L".txt", sub + L"\\" + name + L".txt"}) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
      }
    }
  }
  EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
