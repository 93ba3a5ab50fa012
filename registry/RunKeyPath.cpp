#include "registry/RunKeyPath.h"

TRunKeyPath ResolveRunKeyPath(const std::string& keyPath) {
  size_t backslash = keyPath.find('\\');
  std::string rootName = keyPath.substr(0, backslash);
  std::string subKey = backslash == std::string::npos ? std::string() : keyPath.substr(backslash + 1);
  return {rootName == "HKEY_LOCAL_MACHINE" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, subKey};
}
