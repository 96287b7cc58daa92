#include <gtest/gtest.h>

#include "lang/ModulePath.h"

TEST(ModulePath, SplitsAFullPathIntoItsFourParts)
{
    ModulePath path("C:\\Program Files\\Velindra\\velindra.exe");
    EXPECT_EQ("C:", path.GetDrive());
    EXPECT_EQ("\\Program Files\\Velindra\\", path.GetFolder());
    EXPECT_EQ("velindra", path.GetFileName());
    EXPECT_EQ(".exe", path.GetExtension());
    EXPECT_EQ("C:\\Program Files\\Velindra\\velindra.exe", path.MakePath());
}

TEST(ModulePath, OnlyTheLastPointStartsTheExtension)
{
    ModulePath path("D:\\a.b\\name.v1.exe");
    EXPECT_EQ("\\a.b\\", path.GetFolder());
    EXPECT_EQ("name.v1", path.GetFileName());
    EXPECT_EQ(".exe", path.GetExtension());

    ModulePath noExtension("D:\\a.b\\name");
    EXPECT_EQ("name", noExtension.GetFileName());
    EXPECT_EQ("", noExtension.GetExtension());
}

TEST(ModulePath, JoinsWithTheMissingBackslashAndPoint)
{
    ModulePath path("C:\\Velindra\\velindra.exe");
    path.SetExtension("chm");
    EXPECT_EQ("C:\\Velindra\\velindra.chm", path.MakePath());
    path.SetFileName("english");
    path.SetExtension(".lng");
    EXPECT_EQ("C:\\Velindra\\english.lng", path.MakePath());

    ModulePath bare("velindra.exe");
    EXPECT_EQ("", bare.GetDrive());
    EXPECT_EQ("", bare.GetFolder());
    EXPECT_EQ("velindra.exe", bare.MakePath());
}

TEST(ModulePath, DefaultsToTheRunningExecutableUnlessOverridden)
{
    ModulePath running;
    EXPECT_EQ(".exe", running.GetExtension());
    EXPECT_EQ("test_lang", running.GetFileName());
    EXPECT_EQ(':', running.GetDrive().back());

    ModulePath::OverrideModuleFileName("Z:\\elsewhere\\prog.exe");
    EXPECT_EQ("\\elsewhere\\", ModulePath().GetFolder());
    ModulePath::ResetModuleFileName();
    EXPECT_EQ(running.MakePath(), ModulePath().MakePath());
}
