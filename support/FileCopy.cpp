#include "support/FileCopy.h"

#include <shellapi.h>

#include "toolkit/SystemFunction.h"

namespace {

// Each name followed by a zero, and one more zero at the end.
std::string DoubleNullList(const std::vector<std::string>& names, size_t count) {
  std::string list;
  for (size_t i = 0; i < count; ++i) {
    list += names[i];
    list += '\0';
  }
  list += '\0';
  return list;
}

}  // namespace

bool CopyFilesPaired(HWND owner, const std::vector<std::string>& sources, const std::vector<std::string>& destinations,
                     const std::string& title) {
  if (sources.empty() || destinations.size() < sources.size()) return false;
  const std::string from = DoubleNullList(sources, sources.size());
  const std::string to = DoubleNullList(destinations, sources.size());
  SHFILEOPSTRUCTA operation = {};
  operation.hwnd = owner;
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS | FOF_NOCONFIRMMKDIR;
  operation.lpszProgressTitle = title.c_str();
  static const auto operate = ShellFunction<decltype(&SHFileOperationA)>("SHFileOperationA");
  return operate && operate(&operation) == 0;
}
