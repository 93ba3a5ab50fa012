#pragma once
// A COM interface pointer that releases what it holds, and a COM apartment
// for the thread as long as an object lives.

#include <objbase.h>

#include <utility>

#include "support/ComLibrary.h"

template <class TInterface>
class TComPointer {
 public:
  TComPointer() = default;
  TComPointer(const TComPointer& other) : pointer_(other.pointer_) {
    if (pointer_) pointer_->AddRef();
  }
  TComPointer& operator=(const TComPointer& other) {
    TComPointer copy(other);
    std::swap(pointer_, copy.pointer_);
    return *this;
  }
  ~TComPointer() { Reset(); }

  // Where a call puts a new reference; what was held before is released.
  TInterface** Out() {
    Reset();
    return &pointer_;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }
  TInterface* operator->() const { return pointer_; }
  TInterface* Get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  void Reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

  TInterface* pointer_ = nullptr;
};

// A thread that has one already keeps it as it is.
class TComApartment {
 public:
  TComApartment() : result_(ComInitialize()) {}
  ~TComApartment() {
    if (SUCCEEDED(result_)) ComUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

 private:
  HRESULT result_;
};
