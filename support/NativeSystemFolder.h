#pragma once
// While an object lives, a 32-bit program on 64-bit Windows sees the system
// folder of Windows itself, as 64-bit programs do, not the 32-bit one that
// Windows shows it instead. Elsewhere it changes nothing. Only for reading
// and writing files: a DLL loaded meanwhile would be a 64-bit one.

class TNativeSystemFolder {
 public:
  TNativeSystemFolder();
  ~TNativeSystemFolder();
  TNativeSystemFolder(const TNativeSystemFolder&) = delete;
  TNativeSystemFolder& operator=(const TNativeSystemFolder&) = delete;

 private:
  void* oldValue_ = nullptr;
  bool turnedOff_ = false;
};
