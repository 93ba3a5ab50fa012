#include "support/Parallel.h"

#include <windows.h>

namespace {

DWORD WINAPI RunPiece(LPVOID piece) {
  (*static_cast<const std::function<void()>*>(piece))();
  return 0;
}

}  // namespace

void RunTogether(const std::vector<std::function<void()>>& pieces) {
  std::vector<HANDLE> threads;
  std::vector<const std::function<void()>*> here;
  for (size_t i = 0; i < pieces.size(); ++i) {
    DWORD id = 0;  // Windows 98 wants somewhere to write it
    HANDLE thread = i == 0 ? nullptr
                           : CreateThread(nullptr, 0, RunPiece, const_cast<std::function<void()>*>(&pieces[i]), 0, &id);
    if (thread)
      threads.push_back(thread);
    else
      here.push_back(&pieces[i]);
  }
  for (const std::function<void()>* piece : here) (*piece)();
  for (HANDLE thread : threads) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}
