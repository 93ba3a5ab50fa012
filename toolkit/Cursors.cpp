#include "toolkit/Cursors.h"

#include <map>

namespace {
std::map<int, HCURSOR>& Registered() {
  static std::map<int, HCURSOR> cursors;
  return cursors;
}
}  // namespace

void SetCursorHandle(int number, HCURSOR cursor) { Registered()[number] = cursor; }

HCURSOR CursorHandle(int number) {
  auto found = Registered().find(number);
  return found != Registered().end() ? found->second : LoadCursorA(nullptr, IDC_ARROW);
}
