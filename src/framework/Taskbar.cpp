#include "Taskbar.h"

#include <utility>

#include "ShellClasses.h"

ITaskbarList2* TTaskbar::List() noexcept {
  if (!created_) {
    created_ = true;
    Microsoft::WRL::ComPtr<ITaskbarList2> list;
    if (SUCCEEDED(CoCreateInstance(kTaskbarListClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&list))) &&
        SUCCEEDED(list->HrInit())) {
      list_ = std::move(list);
    }
  }
  return list_.Get();
}

void TTaskbar::MarkFullscreenWindow(HWND window, bool fullscreen) noexcept {
  if (ITaskbarList2* list = List()) list->MarkFullscreenWindow(window, fullscreen ? TRUE : FALSE);
}
