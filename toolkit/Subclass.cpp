#include "toolkit/Subclass.h"

#include "toolkit/SubclassChain.h"
#include "toolkit/SystemFunction.h"

namespace {

using TSetSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
using TRemoveSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
using TDefSubclassProc = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

// Null members: this comctl32 has no subclassing by name.
struct TCommonSubclassing {
  TSetSubclass set;
  TRemoveSubclass remove;
  TDefSubclassProc callNext;
};

TCommonSubclassing LookUp() {
  TCommonSubclassing common = {SystemFunction<TSetSubclass>("comctl32.dll", "SetWindowSubclass"),
                               SystemFunction<TRemoveSubclass>("comctl32.dll", "RemoveWindowSubclass"),
                               SystemFunction<TDefSubclassProc>("comctl32.dll", "DefSubclassProc")};
  if (common.set && common.remove && common.callNext) return common;
  return {};
}

// Chosen once: all subclasses of a window must live in the same chain.
const TCommonSubclassing& Common() {
  static const TCommonSubclassing common = LookUp();
  return common;
}

}  // namespace

bool AddSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  if (Common().set) return Common().set(window, proc, id, data);
  return SubclassChain::Add(window, proc, id, data);
}

void RemoveSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
  if (Common().remove)
    Common().remove(window, proc, id);
  else
    SubclassChain::Remove(window, proc, id);
}

LRESULT CallNextSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (Common().callNext) return Common().callNext(window, msg, wParam, lParam);
  return SubclassChain::CallNext(window, msg, wParam, lParam);
}
