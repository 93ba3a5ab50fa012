#pragma once
// Keys and values a test stores in the shared prefix, gone again afterwards.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/RegistrySandbox.h"

// A key a test needs, made with those of its parents that were missing; at
// the end the first missing one goes with all it holds.
class TSeededKey {
 public:
  TSeededKey(HKEY root, const std::string& subKey, REGSAM view = NativeRegistryView());
  ~TSeededKey();
  TSeededKey(const TSeededKey&) = delete;
  TSeededKey& operator=(const TSeededKey&) = delete;

 private:
  HKEY root_;
  REGSAM view_;
  std::string created_;
};

// A value stored for a test, as it was again afterwards.
class TSeededValue {
 public:
  TSeededValue(HKEY root, const std::string& subKey, const TStoredValue& value, REGSAM view = NativeRegistryView());

 private:
  TSeededKey key_;
  TKeptValue kept_;
};


struct TSeed {
  HKEY root;
  std::string subKey;
  TStoredValue value;
  REGSAM view = NativeRegistryView();
};
// The seeds stored, each as it was again when the list goes.
std::vector<std::unique_ptr<TSeededValue>> StoreSeeds(const std::vector<TSeed>& seeds);

// Runs Wine's regedit, a REGEDIT4 reader none of us wrote, on the file.
void ImportWithRegedit(const std::string& file);
