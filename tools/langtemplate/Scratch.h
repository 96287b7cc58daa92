#pragma once
// Where the template is made: an empty settings key (the current user's
// registry root is redirected to a scratch key of this process, so that the
// program meets a first run and no real setting is read or written) and an
// empty folder as the executable's folder (where the program writes
// english.lng). Both are removed again when the object goes.
#include <windows.h>

#include <string>

#include "model/RegKey.h"

namespace langtemplate {

class Scratch {
public:
    Scratch() = default;
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    // False when the key or the folder could not be made.
    bool Start();
    // A file of the folder.
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }

private:
    void RemoveFolder() const;

    RegKey key_;
    std::string keyPath_;
    std::wstring folder_;
};

} // namespace langtemplate
