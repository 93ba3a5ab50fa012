#pragma once
#include <string>

// A folder of the test's own in the temporary folder, removed with all it
// holds (read-only files included) when the test ends.
class TScratchFolder {
 public:
  explicit TScratchFolder(const std::string& name);
  ~TScratchFolder();
  // The folder, without a final backslash.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
