#pragma once
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

// Small (16 x 16) icons from the resources, owned for the life of the window.
class TImageList {
 public:
  explicit TImageList(std::initializer_list<int> iconIds) {
    handle_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, static_cast<int>(iconIds.size()), 0);
    for (int id : iconIds) {
      HICON icon = static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
      ImageList_AddIcon(handle_, icon);
      DestroyIcon(icon);
    }
  }
  ~TImageList() { ImageList_Destroy(handle_); }
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  HIMAGELIST Handle() const { return handle_; }
  int Count() const { return ImageList_GetImageCount(handle_); }

 private:
  HIMAGELIST handle_;
};
