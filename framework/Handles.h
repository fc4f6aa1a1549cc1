#pragma once
// Owners of the handles the code opens by hand. Each closes its handle with
// the call that belongs to it when the owner goes, so an early return or an
// exception leaks nothing.
//
//   RegKey key;
//   if (RegOpenKeyEx(root, path, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return;
//   ... key.Get() ...                                   // closed at the end of the scope
//
// Predefined keys (HKEY_CLASSES_ROOT, ...) are never given to an owner.
#include "framework/TString.h"
#include <commctrl.h>
#include <objbase.h>
#include <shtypes.h>

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }
    // Closes the handle held and takes the new one.
    void Reset(Handle handle = Traits::Invalid()) {
        if (Valid())
            Traits::Close(handle_);
        handle_ = handle;
    }
    // Gives the handle up without closing it.
    Handle Release() {
        const Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    // For an out parameter: closes what is held and lends the slot.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace handletraits {
struct RegKey {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct Find {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE find) { FindClose(find); }
};
struct File {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { CloseHandle(file); }
};
// Processes, threads, events: handles whose "none" is null.
struct Kernel {
    using Handle = HANDLE;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
// The shell allocates item lists with the COM task allocator.
struct ItemIdList {
    using Handle = LPITEMIDLIST;
    static LPITEMIDLIST Invalid() { return nullptr; }
    static void Close(LPITEMIDLIST items) { CoTaskMemFree(items); }
};
struct ImageList {
    using Handle = HIMAGELIST;
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST images) { ImageList_Destroy(images); }
};
struct Menu {
    using Handle = HMENU;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU menu) { DestroyMenu(menu); }
};
struct Icon {
    using Handle = HICON;
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};
struct Hook {
    using Handle = HHOOK;
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
template <class Object>
struct Gdi {
    using Handle = Object;
    static Object Invalid() { return nullptr; }
    static void Close(Object object) { DeleteObject(object); }
};
// A COM interface pointer: its reference goes with its owner.
template <class Interface>
struct Com {
    using Handle = Interface*;
    static Interface* Invalid() { return nullptr; }
    static void Close(Interface* object) { object->Release(); }
};
}  // namespace handletraits

using RegKey = UniqueHandle<handletraits::RegKey>;
using FindHandle = UniqueHandle<handletraits::Find>;
using FileHandle = UniqueHandle<handletraits::File>;
using KernelHandle = UniqueHandle<handletraits::Kernel>;
using ItemIdList = UniqueHandle<handletraits::ItemIdList>;
using ImageListHandle = UniqueHandle<handletraits::ImageList>;
using IconHandle = UniqueHandle<handletraits::Icon>;
using HookHandle = UniqueHandle<handletraits::Hook>;
using MenuHandle = UniqueHandle<handletraits::Menu>;
template <class Object>
using GdiObject = UniqueHandle<handletraits::Gdi<Object>>;
template <class Interface>
using ComPointer = UniqueHandle<handletraits::Com<Interface>>;
