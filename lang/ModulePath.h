#pragma once
// The running executable's full path split into drive, folder, file name and
// extension. Every file that lives beside the executable (language files, the
// help file) gets its path from here; the current folder plays no part.
// Paths are wide strings of any length and in any characters.
#include <string>

class ModulePath {
public:
    // Any full path, split by the usual drive / folder / name / extension rule.
    explicit ModulePath(const std::wstring& fullPath);

    const std::wstring& GetDrive() const { return drive_; }         // L"C:" or empty
    const std::wstring& GetFolder() const { return folder_; }       // L"\\dir\\sub\\" or empty
    const std::wstring& GetFileName() const { return fileName_; }   // without extension
    const std::wstring& GetExtension() const { return extension_; } // L".exe" or empty

    void SetFileName(const std::wstring& fileName) { fileName_ = fileName; }
    void SetExtension(const std::wstring& extension) { extension_ = extension; }

    // Joins the parts again (the folder ends with its separator), with a
    // point before an extension that lacks one ("chm").
    std::wstring MakePath() const;

    // Full path of the running executable (whatever its length); empty when
    // the system does not tell it.
    static std::wstring ModuleFileName();

private:
    std::wstring drive_;
    std::wstring folder_;
    std::wstring fileName_;
    std::wstring extension_;
};
