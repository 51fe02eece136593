#pragma once

#include "platform/failures.h"

// Shows the failure in a message box, class, module, offset and message, and ends the process with
// exit code 1. Allocates no memory, so that it can report exhausted memory too.
[[noreturn]] void ReportFailure(const Exception& failure);

// The report's text as ReportFailure shows it, at most 1023 characters, into buffer (1024 bytes).
void FormatFailureReport(const Exception& failure, char (&buffer)[1024]);
