#pragma once
// A temporary folder that plays the executable's folder for one test: every
// language file path made from `program` is inside it.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/Sandbox.h"

class LanguageFolderTest : public ::testing::Test {
protected:
    std::string English() const { return folder.Read("english.lng"); }

    testing_support::TempFolder folder;
    const std::wstring program = folder.File(L"velindra.exe"); // the (pretended) executable
};
