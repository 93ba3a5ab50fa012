#include "registry/RunKeyPath.h"

#include "support/WindowsVersion.h"

namespace {

constexpr char kSoftware[] = "SOFTWARE\\";
constexpr char kWow64Node[] = "Wow6432Node\\";

// The key names compare as the registry compares them, without regard to case.
bool StartsWith(const std::string& text, size_t offset, const std::string& part) {
  return offset <= text.size() && lstrcmpiA(text.substr(offset, part.size()).c_str(), part.c_str()) == 0;
}

}  // namespace

TRunKeyPath ResolveRunKeyPath(const std::string& keyPath) {
  size_t backslash = keyPath.find('\\');
  std::string rootName = keyPath.substr(0, backslash);
  std::string subKey = backslash == std::string::npos ? std::string() : keyPath.substr(backslash + 1);
  HKEY root = rootName == "HKEY_LOCAL_MACHINE" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  const size_t software = std::string(kSoftware).size();
  bool view32 =
      root == HKEY_LOCAL_MACHINE && StartsWith(subKey, 0, kSoftware) && StartsWith(subKey, software, kWow64Node);
  if (view32) subKey.erase(software, std::string(kWow64Node).size());
  REGSAM view = !IsWin64() ? 0 : view32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  return {root, subKey, view};
}
