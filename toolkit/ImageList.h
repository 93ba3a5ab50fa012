#pragma once
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

// Small (16 x 16) icons from the resources, owned for the life of the window.
class TImageList {
 public:
  // Each icon must be a 16 x 16 image of 32-bit colours with its mask, as the
  // program's icons are; another one stays an empty (transparent) image, so
  // that the others keep their numbers.
  explicit TImageList(std::initializer_list<int> iconIds);
  ~TImageList() { ImageList_Destroy(handle_); }
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  HIMAGELIST Handle() const { return handle_; }
  int Count() const { return ImageList_GetImageCount(handle_); }

 private:
  HIMAGELIST handle_;
};
