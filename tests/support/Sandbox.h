#pragma once
// Isolation for test processes: every test process runs with HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE redirected to keys of its own, emptied before every
// test, and may ask for a temporary folder of its own.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// Empties the process's registry sandbox (both redirected roots).
void ResetRegistrySandbox();

// A fresh, empty folder that is removed with everything in it on destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; } // ends without a backslash
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

    bool Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const; // empty when missing
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

// Files and folders by wide paths of any length: made, written, read (empty
// when missing) and removed with everything in them.
bool MakeFolder(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
std::string ReadWholeFile(const std::wstring& path);
void RemoveFolder(const std::wstring& path);

// Pumps this thread's messages until the queue is empty.
void PumpMessages();

// The pixels of an area of a window's client area, row by row.
std::vector<COLORREF> ReadWindowPixels(HWND window, const RECT& area);
// The first and last column of the area (client x) that hold the colour;
// {-1, -1} when none does.
std::pair<int, int> ColumnsWithColour(HWND window, const RECT& area, COLORREF colour);

} // namespace testing_support
