#pragma once
// The running executable's full path split into drive, folder, file name and
// extension. Every file that lives beside the executable (language files, the
// help file) gets its path from here; the current folder plays no part.
#include "framework/Strings.h"

class ModulePath {
public:
    // The path of the running executable (or of the test override below).
    ModulePath();
    // Any full path, split by the usual drive / folder / name / extension rule.
    explicit ModulePath(const CString& fullPath);

    const CString& GetDrive() const { return drive_; }         // "C:" or empty
    const CString& GetFolder() const { return folder_; }       // "\\dir\\sub\\" or empty
    const CString& GetFileName() const { return fileName_; }   // without extension
    const CString& GetExtension() const { return extension_; } // ".exe" or empty

    void SetFileName(const CString& fileName) { fileName_ = fileName; }
    void SetExtension(const CString& extension) { extension_ = extension; }

    // Joins the parts again. A backslash is put after a folder that lacks a
    // separator and a point before an extension that lacks one ("chm").
    CString MakePath() const;

    // Full path of the running executable, or the override when one is set.
    static CString ModuleFileName();

    // Test seam: makes every ModulePath() use the given path instead of the
    // running executable's. The program itself never calls these.
    static void OverrideModuleFileName(const CString& fullPath);
    static void ResetModuleFileName();

private:
    CString drive_;
    CString folder_;
    CString fileName_;
    CString extension_;
};
