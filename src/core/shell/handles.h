// Owning handle types: each destroys what it holds, once. release() gives ownership away where
// Win32 takes it over (SetMenu, a popup appended with MF_POPUP).
#pragma once

#include <windows.h>

namespace qelvo {

template <class Handle, class Traits> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() {
        Handle h = handle_;
        handle_ = nullptr;
        return h;
    }
    void reset(Handle h = nullptr) {
        if (handle_)
            Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = nullptr;
};

struct HookTraits {
    static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct MenuTraits {
    static void Close(HMENU h) { DestroyMenu(h); }
};

using UniqueHook = UniqueHandle<HHOOK, HookTraits>;
using UniqueMenu = UniqueHandle<HMENU, MenuTraits>;

} // namespace qelvo
