#include "support/NativeSystemFolder.h"

#include <windows.h>

#include "toolkit/SystemFunction.h"

namespace {

// From XP x64 and Vista on: looked up, so that older Windows still start the program.
using TTurnOff = BOOL(WINAPI*)(PVOID*);
using TTurnOn = BOOL(WINAPI*)(PVOID);

constexpr char kKernel[] = "kernel32.dll";

}  // namespace

TNativeSystemFolder::TNativeSystemFolder() {
#ifndef _WIN64
  static const auto turnOff = SystemFunction<TTurnOff>(kKernel, "Wow64DisableWow64FsRedirection");
  turnedOff_ = turnOff && turnOff(&oldValue_);
#endif
}

TNativeSystemFolder::~TNativeSystemFolder() {
  static const auto turnOn = SystemFunction<TTurnOn>(kKernel, "Wow64RevertWow64FsRedirection");
  if (turnedOff_ && turnOn) turnOn(oldValue_);
}
