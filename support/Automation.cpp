#include "support/Automation.h"

#include <cstring>

#include "toolkit/SystemFunction.h"

namespace {

constexpr char kAutomation[] = "oleaut32.dll";

template <typename Function>
Function AutomationFunction(const char* name) {
  return SystemFunction<Function>(kAutomation, name);
}

void FreeString(BSTR text) {
  static const auto free = AutomationFunction<decltype(&SysFreeString)>("SysFreeString");
  if (text && free) free(text);
}

}  // namespace

TBstr::TBstr(const std::wstring& text) {
  static const auto allocate = AutomationFunction<decltype(&SysAllocString)>("SysAllocString");
  if (allocate) text_ = allocate(text.c_str());
}

TBstr::~TBstr() { FreeString(text_); }

BSTR* TBstr::Out() {
  FreeString(text_);
  text_ = nullptr;
  return &text_;
}

TByteArrayVariant::TByteArrayVariant(const std::string& bytes) {
  static const auto create = AutomationFunction<decltype(&SafeArrayCreateVector)>("SafeArrayCreateVector");
  value_.vt = VT_EMPTY;
  if (!create || bytes.size() > MAXDWORD) return;
  SAFEARRAY* array = create(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (!array) return;
  // A vector of bytes made here, not locked by anyone else: its data can be
  // filled in directly.
  if (!bytes.empty()) std::memcpy(array->pvData, bytes.data(), bytes.size());
  value_.vt = VT_ARRAY | VT_UI1;
  value_.parray = array;
}

TByteArrayVariant::~TByteArrayVariant() {
  static const auto destroy = AutomationFunction<decltype(&SafeArrayDestroy)>("SafeArrayDestroy");
  if (value_.vt != VT_EMPTY && destroy) destroy(value_.parray);
}

VARIANT EmptyVariant() {
  VARIANT empty = {};
  empty.vt = VT_EMPTY;
  return empty;
}
