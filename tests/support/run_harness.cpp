#include "support/run_harness.h"

#include "run/rotation.h"
#include "support/system_call_override.h"

namespace {

struct ProcessEnded {
    UINT exitCode;
};

std::vector<ShownBox>* shownBoxes = nullptr;

VOID WINAPI EndingExitProcess(UINT exitCode)
{
    throw ProcessEnded{exitCode};
}

int WINAPI RecordingMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT flags)
{
    shownBoxes->push_back({owner, text, caption, flags});
    return IDOK;
}

}  // namespace

InProcessRun RunRotationInProcess()
{
    InProcessRun run = {0xdeadbeef, {}};
    shownBoxes = &run.boxes;
    OVERRIDE_SYSTEM_CALL(ExitProcess, EndingExitProcess);
    OVERRIDE_SYSTEM_CALL(MessageBoxA, RecordingMessageBoxA);
    try {
        RunRotation();
    } catch (const ProcessEnded& ended) {
        run.exitCode = ended.exitCode;
    }
    shownBoxes = nullptr;
    return run;
}
