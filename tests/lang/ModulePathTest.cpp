#include <gtest/gtest.h>

#include "lang/ModulePath.h"

TEST(ModulePath, SplitsAFullPathIntoItsFourParts)
{
    ModulePath path(L"C:\\Program Files\\Velindra\\velindra.exe");
    EXPECT_EQ(L"C:", path.GetDrive());
    EXPECT_EQ(L"\\Program Files\\Velindra\\", path.GetFolder());
    EXPECT_EQ(L"velindra", path.GetFileName());
    EXPECT_EQ(L".exe", path.GetExtension());
    EXPECT_EQ(L"C:\\Program Files\\Velindra\\velindra.exe", path.MakePath());
}

TEST(ModulePath, OnlyTheLastPointStartsTheExtension)
{
    ModulePath path(L"D:\\a.b\\name.v1.exe");
    EXPECT_EQ(L"\\a.b\\", path.GetFolder());
    EXPECT_EQ(L"name.v1", path.GetFileName());
    EXPECT_EQ(L".exe", path.GetExtension());

    ModulePath noExtension(L"D:\\a.b\\name");
    EXPECT_EQ(L"name", noExtension.GetFileName());
    EXPECT_EQ(L"", noExtension.GetExtension());
}

TEST(ModulePath, JoinsWithTheMissingBackslashAndPoint)
{
    ModulePath path(L"C:\\Velindra\\velindra.exe");
    path.SetExtension(L"chm");
    EXPECT_EQ(L"C:\\Velindra\\velindra.chm", path.MakePath());
    path.SetFileName(L"english");
    path.SetExtension(L".lng");
    EXPECT_EQ(L"C:\\Velindra\\english.lng", path.MakePath());

    ModulePath bare(L"velindra.exe");
    EXPECT_EQ(L"", bare.GetDrive());
    EXPECT_EQ(L"", bare.GetFolder());
    EXPECT_EQ(L"velindra.exe", bare.MakePath());
}

TEST(ModulePath, DefaultsToTheRunningExecutableUnlessOverridden)
{
    ModulePath running;
    EXPECT_EQ(L".exe", running.GetExtension());
    EXPECT_EQ(L"test_lang", running.GetFileName());
    EXPECT_EQ(L':', running.GetDrive().back());

    ModulePath::OverrideModuleFileName(L"Z:\\elsewhere\\prog.exe");
    EXPECT_EQ(L"\\elsewhere\\", ModulePath().GetFolder());
    ModulePath::OverrideModuleFileName("Z:\\\xD0\xB4\xD1\x80\xD1\x83\xD0\xB3\\prog.exe"); // UTF-8
    EXPECT_EQ(L"\\\u0434\u0440\u0443\u0433\\", ModulePath().GetFolder());
    ModulePath::ResetModuleFileName();
    EXPECT_EQ(running.MakePath(), ModulePath().MakePath());
}
