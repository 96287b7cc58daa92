#pragma once
// A temporary folder that plays the executable's folder for one test: every
// language file path is made inside it.
#include <gtest/gtest.h>

#include "lang/ModulePath.h"
#include "tests/support/Sandbox.h"

class LanguageFolderTest : public ::testing::Test {
protected:
    LanguageFolderTest() { ModulePath::OverrideModuleFileName(folder.File("velindra.exe")); }
    ~LanguageFolderTest() override { ModulePath::ResetModuleFileName(); }

    std::string English() const { return folder.Read("english.lng"); }

    testing_support::TempFolder folder;
};
