#include "toolkit/SubclassChain.h"

#include <memory>
#include <vector>

namespace {

constexpr char kChainProperty[] = "VelmoraSubclassChain";

struct TLink {
  SUBCLASSPROC proc;  // null once removed while a message was being handled
  UINT_PTR id;
  DWORD_PTR data;
};

struct TChain {
  WNDPROC original = nullptr;
  std::vector<TLink> links;  // the newest last: it is called first
  size_t next = 0;           // the links below this one have yet to see the current message
  int calls = 0;             // messages being handled right now, nested ones included
  bool destroyed = false;
};

TChain* ChainOf(HWND window) { return static_cast<TChain*>(GetPropA(window, kChainProperty)); }

void Dissolve(HWND window, TChain* chain) {
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
  RemovePropA(window, kChainProperty);
  delete chain;
}

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Links are dropped, and the chain is given up, only when no message is being
// handled: a proc up the stack may still hand its message on.
void Tidy(HWND window, TChain* chain) {
  if (chain->calls > 0) return;
  std::erase_if(chain->links, [](const TLink& link) { return link.proc == nullptr; });
  const bool ownProcOnTop = GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ChainProc);
  if (chain->destroyed || (chain->links.empty() && ownProcOnTop)) Dissolve(window, chain);
}

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TChain* chain = ChainOf(window);
  const size_t outerNext = chain->next;
  chain->next = chain->links.size();
  ++chain->calls;
  const LRESULT result = SubclassChain::CallNext(window, msg, wParam, lParam);
  --chain->calls;
  chain->next = outerNext;
  if (msg == WM_NCDESTROY) chain->destroyed = true;
  Tidy(window, chain);
  return result;
}

}  // namespace

namespace SubclassChain {

bool Add(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  if (!proc || !IsWindow(window)) return false;
  TChain* chain = ChainOf(window);
  if (!chain) {
    auto fresh = std::make_unique<TChain>();
    if (!SetPropA(window, kChainProperty, fresh.get())) return false;
    fresh->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProc)));
    if (!fresh->original) {
      RemovePropA(window, kChainProperty);
      return false;
    }
    chain = fresh.release();
  }
  for (TLink& link : chain->links) {
    if (link.proc == proc && link.id == id) {
      link.data = data;
      return true;
    }
  }
  chain->links.push_back({proc, id, data});
  return true;
}

void Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
  TChain* chain = ChainOf(window);
  if (!chain) return;
  for (TLink& link : chain->links)
    if (link.proc == proc && link.id == id) link.proc = nullptr;
  Tidy(window, chain);
}

LRESULT CallNext(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TChain* chain = ChainOf(window);
  if (!chain) return DefWindowProcA(window, msg, wParam, lParam);
  const size_t start = chain->next;
  size_t below = start;
  while (below > 0 && !chain->links[below - 1].proc) --below;
  LRESULT result;
  if (below == 0) {
    result = CallWindowProcA(chain->original, window, msg, wParam, lParam);
  } else {
    const TLink link = chain->links[below - 1];
    chain->next = below - 1;
    result = link.proc(window, msg, wParam, lParam, link.id, link.data);
  }
  // A proc may hand the same message on more than once.
  chain->next = start;
  return result;
}

}  // namespace SubclassChain
