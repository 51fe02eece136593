// Runs DeskRotate.exe and the empty program in turn and reads the list-file reader against plain
// ReadFile calls, then prints the figures as a Markdown table.
//   bench_driver DESKROTATE_EXE EMPTY_EXE WORK_FOLDER RUNS
// It also runs copies of itself, as bench_driver --read-list FILE, to take the peak working set of
// the reader alone.
#include "lists/candidate_lists.h"
#include "lists/load_candidate_lists.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/list_files.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr size_t LongLineBytes = 100 * 1024 * 1024;
constexpr size_t PlainReadBytes = 64 * 1024;
constexpr int ReadRepeats = 7;
constexpr int LongRunRepeats = 7;
constexpr DWORD MemoryPollMilliseconds = 1;
const std::string ReadListMode = "--read-list";

[[noreturn]] void Stop(const std::string& what)
{
    std::fprintf(stderr, "bench_driver: %s (error %lu)\n", what.c_str(), GetLastError());
    std::exit(2);
}

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Stop("cannot create " + path);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size())
        Stop("cannot write " + path);
    CloseHandle(file);
}

// A folder holding a copy of the program and, where given, the list file beside it.
std::string PreparedProgram(const std::string& folder, const std::string& program, const std::string& name,
                            const std::string* listFile)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\" + name + ".exe";
    if (!CopyFileA(program.c_str(), copy.c_str(), FALSE)) Stop("cannot copy " + program);
    if (listFile) WriteWholeFile(folder + "\\" + name + ".DAT", *listFile);
    return copy;
}

struct RunFigures {
    double seconds;
    size_t peakWorkingSet;
};

// The peak working set the process reports so far; 0 when it reports none.
size_t PeakWorkingSetOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    return GetProcessMemoryInfo(process, &memory, sizeof memory) ? memory.PeakWorkingSetSize : 0;
}

// From the start of the process to its end, and its peak working set. Wine reports no memory
// figures once a process has gone, and a large process is often gone by the time its handle is
// signalled, so the peak is read while the process runs as well as after it ends.
RunFigures TimedRun(const std::string& program, const std::string& arguments = "")
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    const double start = Seconds();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        Stop("cannot start " + program);
    size_t peakWorkingSet = 0;
    while (WaitForSingleObject(process.hProcess, MemoryPollMilliseconds) == WAIT_TIMEOUT) {
        peakWorkingSet = std::max(peakWorkingSet, PeakWorkingSetOf(process.hProcess));
    }
    const double seconds = Seconds() - start;
    peakWorkingSet = std::max(peakWorkingSet, PeakWorkingSetOf(process.hProcess));
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (exitCode != 0) Stop(commandLine + " ended with exit code " + std::to_string(exitCode));
    if (peakWorkingSet == 0) Stop("no memory figures for " + commandLine);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {seconds, peakWorkingSet};
}

struct Series {
    std::vector<double> seconds;
    size_t peakWorkingSet = 0;

    void Add(const RunFigures& run)
    {
        seconds.push_back(run.seconds);
        peakWorkingSet = std::max(peakWorkingSet, run.peakWorkingSet);
    }
};

// The whole list file through the program's own reader, as a run reads it.
void ReadWithLineReader(const std::string& path)
{
    ClearCandidateCounts();
    ReadOnlyFile file(path);
    ListFileSource source(file);
    LineReader reader(source);
    ReadCandidateLists(reader, SystemLeadBytes());
    file.Close();
}

// The whole file with plain ReadFile calls of 64 KB, keeping nothing.
void ReadWithPlainCalls(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Stop("cannot open " + path);
    std::vector<char> buffer(PlainReadBytes);
    DWORD count = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) && count > 0) {
    }
    CloseHandle(file);
}

// Gives back what a reading kept, so that the next timed reading does not pay for freeing it.
void ForgetListFile()
{
    std::string().swap(SoundFolder);
    for (CandidateList* list : {&StartSounds, &ExitSounds, &ScreenSavers, &Wallpapers}) {
        for (std::string& entry : list->entries) std::string().swap(entry);
    }
}

double MedianSeconds(void (*read)(const std::string&), const std::string& path, std::vector<double>& seconds)
{
    const double start = Seconds();
    read(path);
    seconds.push_back(Seconds() - start);
    ForgetListFile();
    return Median(seconds);
}

size_t LongestLineOf(const std::string& text)
{
    size_t longest = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        longest = std::max(longest, end - start);
        start = end + 2;
    }
    return longest;
}

double MiB(size_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && argv[1] == ReadListMode) {
        ReadWithLineReader(argv[2]);
        return 0;
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_driver DESKROTATE_EXE EMPTY_EXE WORK_FOLDER RUNS\n");
        return 2;
    }
    const std::string deskRotate = argv[1];
    const std::string empty = argv[2];
    const std::string work = argv[3];
    const int runs = std::atoi(argv[4]);
    CreateDirectoryA(work.c_str(), nullptr);

    const std::string exampleList = JoinLines(ExampleListLines());
    const std::string firstLineEnd = "\r\n";
    const size_t secondLine = exampleList.find(firstLineEnd) + firstLineEnd.size();
    // Line 1 is ignored and passed over; line 2, the sound folder, is held whole.
    const std::string longLineList = std::string(LongLineBytes, 'x') + exampleList.substr(exampleList.find(firstLineEnd));
    const std::string longFolderList =
        exampleList.substr(0, secondLine) + std::string(LongLineBytes, 'x') + exampleList.substr(exampleList.find(firstLineEnd, secondLine));
    const std::string normalProgram = PreparedProgram(work + "\\normal", deskRotate, "DeskRotate", &exampleList);
    const std::string longLineProgram = PreparedProgram(work + "\\long-line", deskRotate, "DeskRotate", &longLineList);
    const std::string longFolderProgram = PreparedProgram(work + "\\long-folder", deskRotate, "DeskRotate", &longFolderList);
    const std::string emptyProgram = PreparedProgram(work + "\\empty", empty, "EmptyProgram", nullptr);
    const std::string longLineFile = work + "\\long-line\\DeskRotate.DAT";
    const std::string longFolderFile = work + "\\long-folder\\DeskRotate.DAT";
    const std::string normalFile = work + "\\normal\\DeskRotate.DAT";
    char driverPath[MAX_PATH];
    if (GetModuleFileNameA(nullptr, driverPath, MAX_PATH) == 0) Stop("no path of the driver");
    const std::string driver = driverPath;

    // One run each first, so that every later run finds the files and the DLLs in the cache.
    TimedRun(normalProgram);
    TimedRun(emptyProgram);
    Series normal, emptyRuns, longLine, longFolder;
    for (int run = 0; run < runs; ++run) {
        normal.Add(TimedRun(normalProgram));
        emptyRuns.Add(TimedRun(emptyProgram));
    }
    Series readerNormal, readerLongFolder;
    for (int run = 0; run < LongRunRepeats; ++run) {
        longLine.Add(TimedRun(longLineProgram));
        longFolder.Add(TimedRun(longFolderProgram));
        readerNormal.Add(TimedRun(driver, ReadListMode + " \"" + normalFile + "\""));
        readerLongFolder.Add(TimedRun(driver, ReadListMode + " \"" + longFolderFile + "\""));
    }

    std::vector<double> readerSeconds, plainSeconds, heldSeconds, heldPlainSeconds;
    ReadWithPlainCalls(longLineFile);
    ReadWithPlainCalls(longFolderFile);
    double readerMedian = 0, plainMedian = 0, heldMedian = 0, heldPlainMedian = 0;
    for (int repeat = 0; repeat < ReadRepeats; ++repeat) {
        readerMedian = MedianSeconds(ReadWithLineReader, longLineFile, readerSeconds);
        plainMedian = MedianSeconds(ReadWithPlainCalls, longLineFile, plainSeconds);
        heldMedian = MedianSeconds(ReadWithLineReader, longFolderFile, heldSeconds);
        heldPlainMedian = MedianSeconds(ReadWithPlainCalls, longFolderFile, heldPlainSeconds);
    }
    const double fileMiB = MiB(longLineList.size());

    const double normalMedian = Median(normal.seconds);
    const double emptyMedian = Median(emptyRuns.seconds);
    // The allowance: the empty program's peak plus twice the longest line.
    const double exampleAllowance = MiB(emptyRuns.peakWorkingSet + 2 * LongestLineOf(exampleList));
    const double longLineAllowance = MiB(emptyRuns.peakWorkingSet + 2 * LongLineBytes);
    std::printf("| Figure | Measured | Target | Met |\n|---|---|---|---|\n");
    std::printf("| Whole run, example list file: median of %d (ms) | %.1f | | |\n", runs, normalMedian * 1000);
    std::printf("| Whole run, empty program: median of %d (ms) | %.1f | | |\n", runs, emptyMedian * 1000);
    std::printf("| Run / empty program | %.3f | <= 1.05 | %s |\n", normalMedian / emptyMedian,
                normalMedian / emptyMedian <= 1.05 ? "yes" : "no");
    std::printf("| Whole run, line 1 of 100 MiB: median of %d (ms) | %.1f | | |\n", LongRunRepeats,
                Median(longLine.seconds) * 1000);
    std::printf("| Whole run, line 2 of 100 MiB: median of %d (ms) | %.1f | | |\n", LongRunRepeats,
                Median(longFolder.seconds) * 1000);
    std::printf("| Reading the 100 MiB-line file, list-file reader (MiB/s) | %.0f | | |\n", fileMiB / readerMedian);
    std::printf("| Reading it with plain 64 KB ReadFile calls (MiB/s) | %.0f | | |\n", fileMiB / plainMedian);
    std::printf("| Reader / plain ReadFile throughput | %.3f | >= 0.5 | %s |\n", plainMedian / readerMedian,
                plainMedian / readerMedian >= 0.5 ? "yes" : "no");
    std::printf("| Line 2 of 100 MiB instead, which is kept: reader / plain ReadFile throughput | %.3f | | |\n",
                heldPlainMedian / heldMedian);
    std::printf("| Peak working set, empty program (MiB) | %.3f | | |\n", MiB(emptyRuns.peakWorkingSet));
    std::printf("| Peak working set, example list file (MiB) | %.3f | <= %.3f | %s |\n", MiB(normal.peakWorkingSet),
                exampleAllowance, MiB(normal.peakWorkingSet) <= exampleAllowance ? "yes" : "no");
    std::printf("| Peak working set, line 1 of 100 MiB (MiB) | %.1f | <= %.1f | %s |\n", MiB(longLine.peakWorkingSet),
                longLineAllowance, MiB(longLine.peakWorkingSet) <= longLineAllowance ? "yes" : "no");
    std::printf("| Peak working set, line 2 of 100 MiB (MiB) | %.1f | <= %.1f | %s |\n", MiB(longFolder.peakWorkingSet),
                longLineAllowance, MiB(longFolder.peakWorkingSet) <= longLineAllowance ? "yes" : "no");
    // The same run's growth over the run with the example list: what the long line costs, apart
    // from the code and the C++ runtime that DeskRotate.exe has and the empty program lacks.
    const double longFolderGrowth = MiB(longFolder.peakWorkingSet) - MiB(normal.peakWorkingSet);
    std::printf("| Peak working set, line 2 of 100 MiB, over the example list's run (MiB) | %.1f | <= %.1f | %s |\n",
                longFolderGrowth, MiB(2 * LongLineBytes), longFolderGrowth <= MiB(2 * LongLineBytes) ? "yes" : "no");
    // The reader alone, in a copy of this driver: what holding the long line costs, without the
    // copies that the run then makes of it to build and check the sound paths.
    const double readerAllowance = MiB(readerNormal.peakWorkingSet + 2 * LongLineBytes);
    std::printf("| Peak working set, reader alone, example list file (MiB) | %.1f | | |\n",
                MiB(readerNormal.peakWorkingSet));
    std::printf("| Peak working set, reader alone, line 2 of 100 MiB (MiB) | %.1f | <= %.1f | %s |\n",
                MiB(readerLongFolder.peakWorkingSet), readerAllowance,
                MiB(readerLongFolder.peakWorkingSet) <= readerAllowance ? "yes" : "no");
    return 0;
}
