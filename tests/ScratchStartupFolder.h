#pragma once
#include <string>

#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

// A scratch folder that the system names as the current user's start-up
// folder while the test runs; the earlier folder comes back afterwards. Wine's
// shell copies its user shell folders over the start-up value whenever it
// works out a folder, so both point to the scratch folder.
class TScratchStartupFolder : public TScratchFolder {
 public:
  explicit TScratchStartupFolder(const std::string& name) : TScratchFolder(name) {
    startup_.Set(Path());
    userStartup_.Set(Path());
  }

 private:
  TKeptValue startup_{HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "Startup"};
  TKeptValue userStartup_{HKEY_CURRENT_USER,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", "Startup"};
};
