#include "support/ComLibrary.h"

#include "toolkit/SystemFunction.h"

namespace {

template <typename Function>
Function Ole32Function(const char* name) {
  return SystemFunction<Function>("ole32.dll", name);
}

}  // namespace

HRESULT ComInitialize() {
  static const auto initialize = Ole32Function<decltype(&CoInitialize)>("CoInitialize");
  return initialize ? initialize(nullptr) : E_FAIL;
}

void ComUninitialize() {
  static const auto uninitialize = Ole32Function<decltype(&CoUninitialize)>("CoUninitialize");
  if (uninitialize) uninitialize();
}

HRESULT ComCreateInstance(REFCLSID classId, REFIID interfaceId, void** object) {
  static const auto create = Ole32Function<decltype(&CoCreateInstance)>("CoCreateInstance");
  *object = nullptr;
  return create ? create(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object) : REGDB_E_CLASSNOTREG;
}

void ComTaskMemFree(void* memory) {
  static const auto free = Ole32Function<decltype(&CoTaskMemFree)>("CoTaskMemFree");
  if (memory && free) free(memory);
}
