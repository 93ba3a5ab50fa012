#pragma once
// The automation strings and byte arrays that COM servers such as the XML
// reader and the Task Scheduler take. oleaut32 is looked up when first
// needed: the program imports nothing of it, and starts without it.

#include <windows.h>
#include <oleauto.h>

#include <string>

// A BSTR that frees itself; empty (null) when oleaut32 is missing.
class TBstr {
 public:
  TBstr() = default;
  explicit TBstr(const std::wstring& text);
  ~TBstr();
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;

  BSTR Get() const { return text_; }
  // Where a call puts a new string; what was held before is freed.
  BSTR* Out();
  // Up to its first null character, as the servers here mean their texts.
  std::wstring Text() const { return text_ ? std::wstring(text_) : std::wstring(); }

 private:
  BSTR text_ = nullptr;
};

// The bytes as a VARIANT holding a SAFEARRAY of bytes; its Value() is empty
// (VT_EMPTY) when oleaut32 is missing or the bytes do not fit.
class TByteArrayVariant {
 public:
  explicit TByteArrayVariant(const std::string& bytes);
  ~TByteArrayVariant();
  TByteArrayVariant(const TByteArrayVariant&) = delete;
  TByteArrayVariant& operator=(const TByteArrayVariant&) = delete;

  const VARIANT& Value() const { return value_; }

 private:
  VARIANT value_ = {};
};

// A VARIANT that stands for "not given".
VARIANT EmptyVariant();
