// The rotation run in the test's own process: ExitProcess and MessageBoxA are replaced, so that the
// run's end comes back to the test as an exit code and the report as text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

struct InProcessRun {
    UINT exitCode;
    std::vector<ShownBox> boxes;
};

// Runs RunRotation to its end; the list file is the one beside the test executable.
InProcessRun RunRotationInProcess();
