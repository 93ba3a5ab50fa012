#include "support/Parallel.h"

#include <windows.h>

#include <vector>

namespace {

struct TPart {
  const std::function<void(size_t, size_t, size_t)>* work;
  size_t part, first, end;
  void Run() const { (*work)(part, first, end); }
};

DWORD WINAPI RunPart(LPVOID part) {
  static_cast<const TPart*>(part)->Run();
  return 0;
}

}  // namespace

void InParts(size_t count, size_t parts, const std::function<void(size_t part, size_t first, size_t end)>& work) {
  std::vector<TPart> pieces;
  for (size_t part = 0; part < parts; ++part) pieces.push_back({&work, part, count * part / parts, count * (part + 1) / parts});
  std::vector<HANDLE> threads;
  std::vector<const TPart*> here = {&pieces[0]};
  for (size_t part = 1; part < parts; ++part) {
    DWORD id = 0;  // Windows 98 wants somewhere to write it
    HANDLE thread = CreateThread(nullptr, 0, RunPart, &pieces[part], 0, &id);
    if (thread)
      threads.push_back(thread);
    else
      here.push_back(&pieces[part]);
  }
  for (const TPart* piece : here) piece->Run();
  for (HANDLE thread : threads) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
}
