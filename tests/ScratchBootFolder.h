#pragma once
#include <string>

#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

// A scratch folder that the system names as its boot drive (Setup's BootDir)
// while the test runs; the earlier BootDir comes back afterwards.
class TScratchBootFolder : public TScratchFolder {
 public:
  // Without the final backslash, BootDir is written as some systems store it.
  explicit TScratchBootFolder(const std::string& name, bool withFinalBackslash = true)
      : TScratchFolder(name) {
    bootDir_.Set(withFinalBackslash ? Path() + "\\" : Path());
  }

 private:
  TKeptValue bootDir_{HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir"};
};
