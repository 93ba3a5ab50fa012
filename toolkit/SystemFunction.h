#pragma once
// A function of a Windows DLL looked up when first needed, for functions that
// older Windows versions lack: importing them would keep the program from
// starting there at all.

#include <windows.h>

// Null when the DLL or the function is missing. The DLL stays loaded.
template <typename Function>
Function SystemFunction(const char* dll, const char* name) {
  HMODULE module = LoadLibraryA(dll);
  if (!module) return nullptr;
  // Through a plain function pointer: a cast from FARPROC to a function of
  // another signature is what this lookup is for.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A function of the shell, which is loaded only for the first use of one: a
// start that uses none does without its megabyte.
template <typename Function>
Function ShellFunction(const char* name) {
  return SystemFunction<Function>("shell32.dll", name);
}
