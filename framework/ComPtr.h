#pragma once
// A counted reference to a COM object, released once: when the pointer goes,
// is reset, or takes another. Moved, not copied.
#include <unknwn.h>

#include <utility>

namespace fw {

template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    // Takes over the reference the caller holds (a new object's first one,
    // or one a call handed out).
    explicit ComPtr(Interface* adopted) : pointer_(adopted) {}
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // Where a call puts the reference it hands out; the one held goes first.
    Interface** ReleaseAndGetAddressOf()
    {
        Reset();
        return &pointer_;
    }
    void Reset()
    {
        if (Interface* held = std::exchange(pointer_, nullptr))
            held->Release();
    }

private:
    Interface* pointer_ = nullptr;
};

} // namespace fw
