#pragma once
// An open registry key that closes itself.
#include <windows.h>

class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY key) : key_(key) {}
    ~RegKey() { Close(); }
    RegKey(RegKey&& other) noexcept : key_(other.Release()) {}
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Opens an existing key; an empty RegKey when that fails.
    static RegKey Open(HKEY root, const char* path, REGSAM access);
    // Opens the key, creating it and any missing parent keys.
    static RegKey Create(HKEY root, const char* path, REGSAM access);

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }
    HKEY Release();
    void Close();

private:
    HKEY key_ = nullptr;
};
