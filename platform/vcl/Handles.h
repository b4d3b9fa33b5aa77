// Owning wrappers for the Win32 handles the layer and the program keep.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vcl {

struct TGdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct TIconDeleter {
  void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
struct TKernelHandleDeleter {
  void operator()(HANDLE handle) const noexcept {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
struct TRegistryKeyDeleter {
  void operator()(HKEY key) const noexcept { RegCloseKey(key); }
};
struct TMenuDeleter {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};

template <class Handle, class Deleter>
using TUniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Deleter>;

using TUniqueFont = TUniqueHandle<HFONT, TGdiObjectDeleter>;
using TUniqueBrush = TUniqueHandle<HBRUSH, TGdiObjectDeleter>;
using TUniqueRegion = TUniqueHandle<HRGN, TGdiObjectDeleter>;
using TUniqueBitmap = TUniqueHandle<HBITMAP, TGdiObjectDeleter>;
using TUniqueIcon = TUniqueHandle<HICON, TIconDeleter>;
using TUniqueKernelHandle = TUniqueHandle<HANDLE, TKernelHandleDeleter>;
using TUniqueKey = TUniqueHandle<HKEY, TRegistryKeyDeleter>;
using TUniqueMenu = TUniqueHandle<HMENU, TMenuDeleter>;

}  // namespace vcl
