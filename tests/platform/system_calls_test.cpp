#include "platform/system_calls.h"

#include <gtest/gtest.h>

namespace {

UINT WINAPI FakeGetWindowsDirectoryA(LPSTR buffer, UINT)
{
    buffer[0] = 'Q';
    buffer[1] = '\0';
    return 1;
}

TEST(SystemCalls, OverrideAndRestoreByName)
{
    const SystemCallPointer real = GetSystemCall("GetWindowsDirectoryA");
    ASSERT_NE(real, nullptr);
    ASSERT_TRUE(SetSystemCall("GetWindowsDirectoryA", reinterpret_cast<SystemCallPointer>(&FakeGetWindowsDirectoryA)));
    char buffer[MAX_PATH] = "";
    osGetWindowsDirectoryA(buffer, MAX_PATH);
    EXPECT_STREQ(buffer, "Q");

    ASSERT_TRUE(SetSystemCall("GetWindowsDirectoryA", nullptr));
    EXPECT_EQ(GetSystemCall("GetWindowsDirectoryA"), real);
    osGetWindowsDirectoryA(buffer, MAX_PATH);
    EXPECT_STRNE(buffer, "Q");
}

TEST(SystemCalls, NullNameRestoresEveryEntry)
{
    ASSERT_TRUE(SetSystemCall("GetWindowsDirectoryA", reinterpret_cast<SystemCallPointer>(&FakeGetWindowsDirectoryA)));
    ASSERT_TRUE(SetSystemCall("GetSystemDirectoryA", reinterpret_cast<SystemCallPointer>(&FakeGetWindowsDirectoryA)));
    ASSERT_TRUE(SetSystemCall(nullptr, nullptr));
    for (const SystemCall& call : systemCalls) EXPECT_EQ(call.current, call.original) << call.name;
}

TEST(SystemCalls, UnknownNameIsRefused)
{
    EXPECT_FALSE(SetSystemCall("CreateFileW", reinterpret_cast<SystemCallPointer>(&FakeGetWindowsDirectoryA)));
    EXPECT_EQ(GetSystemCall("CreateFileW"), nullptr);
    for (const SystemCall& call : systemCalls) EXPECT_EQ(call.current, call.original) << call.name;
}

}  // namespace
