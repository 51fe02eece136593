#include "run/failure_report.h"

#include "platform/messages.h"
#include "support/run_harness.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>

namespace {

const std::string ReportTail = "\x82\xC5\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";  // で発生しました。

std::string ReportOf(const Exception& failure)
{
    char text[1024];
    std::memset(text, 0xbd, sizeof text);
    FormatFailureReport(failure, text);
    return text;
}

std::string ExecutableName()
{
    char path[MAX_PATH];
    const std::string full(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return full.substr(full.rfind('\\') + 1);
}

TEST(FailureReport, NamesClassModuleOffsetAndMessage)
{
    try {
        RaiseInOutError(32);
    } catch (const EInOutError& failure) {
        const std::string report = ReportOf(failure);
        const std::string firstLine = report.substr(0, report.find('\n'));
        EXPECT_EQ(firstLine.substr(0, 13), "EInOutError\x82\xAA");
        const std::regex shape("EInOutError\x82\xAA\xD3\xBC\xDE\xAD\xB0\xD9 (.+) \x82\xCC ([0-9A-F]{8}) " + ReportTail);
        std::smatch match;
        ASSERT_TRUE(std::regex_match(firstLine, match, shape)) << firstLine;
        EXPECT_EQ(match[1].str(), ExecutableName());
        // The offset lies inside the test executable's image, where the failure was raised.
        const uintptr_t offset = std::stoul(match[2].str(), nullptr, 16);
        const HMODULE base = GetModuleHandleA(nullptr);
        const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            reinterpret_cast<const char*>(base) + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        EXPECT_GT(offset, 0u);
        EXPECT_LT(offset, headers->OptionalHeader.SizeOfImage);
        EXPECT_EQ(report.substr(report.find('\n')), "\nI/O \xB4\xD7\xB0 (32).");
    }
}

TEST(FailureReport, UnknownAddressNamesTheExecutableAtZero)
{
    const std::string report = ReportOf(EOutOfMemory(nullptr));
    EXPECT_EQ(report, "EOutOfMemory\x82\xAA\xD3\xBC\xDE\xAD\xB0\xD9 " + ExecutableName() + " \x82\xCC 00000000 " +
                          ReportTail + "\n" + MessageText(MessageId::OutOfMemory) + ".");
}

TEST(FailureReport, AddsAPeriodOnlyWhereOneIsMissing)
{
    struct PeriodCase {
        std::string message;
        std::string secondLine;
    };
    const std::vector<PeriodCase> cases = {
        {"done", "done."}, {"done.", "done."}, {"", ""}, {"a.b", "a.b."}, {"..", ".."},
    };
    for (const PeriodCase& c : cases) {
        const std::string report = ReportOf(Exception(c.message, nullptr));
        EXPECT_EQ(report.substr(report.find('\n') + 1), c.secondLine) << c.message;
    }
}

TEST(FailureReport, IsCutAt1023Characters)
{
    const std::string report = ReportOf(ERegistryException(std::string(5000, 'm'), nullptr));
    EXPECT_EQ(report.size(), 1023u);
    EXPECT_EQ(report.back(), 'm');
}

UINT WINAPI ExhaustedGetWindowsDirectory(LPSTR, UINT)
{
    throw std::bad_alloc();
}

TEST(FailureReport, IsShownOnceWithCaptionAndFlagsThenExitCode1)
{
    OVERRIDE_SYSTEM_CALL(GetWindowsDirectoryA, ExhaustedGetWindowsDirectory);
    const InProcessRun run = RunRotationInProcess();
    EXPECT_EQ(run.exitCode, 1u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].owner, nullptr);
    EXPECT_EQ(run.boxes[0].caption, "\xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD \xB4\xD7\xB0");
    EXPECT_EQ(run.boxes[0].flags, 0x2010u);
    EXPECT_EQ(run.boxes[0].text, ReportOf(EOutOfMemory(nullptr)));
}

}  // namespace
