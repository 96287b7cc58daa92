#include "model/RegKey.h"

RegKey& RegKey::operator=(RegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        key_ = other.Release();
    }
    return *this;
}

RegKey RegKey::Open(HKEY root, const char* path, REGSAM access)
{
    HKEY key = nullptr;
    if (!root || !path || RegOpenKeyExA(root, path, 0, access, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

RegKey RegKey::Create(HKEY root, const char* path, REGSAM access)
{
    HKEY key = nullptr;
    if (!root || !path ||
        RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

HKEY RegKey::Release()
{
    HKEY key = key_;
    key_ = nullptr;
    return key;
}

void RegKey::Close()
{
    if (key_)
        RegCloseKey(key_);
    key_ = nullptr;
}
