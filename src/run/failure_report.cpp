#include "run/failure_report.h"

#include "platform/messages.h"
#include "platform/system.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string_view>

void FormatFailureReport(const Exception& failure, char (&buffer)[1024])
{
    char moduleName[260];
    uintptr_t offset = 0;
    FindModuleOf(failure.Address(), moduleName, sizeof moduleName, &offset);
    char offsetText[9];
    std::snprintf(offsetText, sizeof offsetText, "%08" PRIX32, static_cast<uint32_t>(offset));

    const std::string& message = failure.Message();
    const char* period = !message.empty() && message.back() != '.' ? "." : "";
    size_t length = FormatMessageInto(buffer, sizeof buffer, MessageId::FailureReport,
                                      {failure.ClassName(), moduleName, offsetText});
    for (std::string_view part : {std::string_view("\n"), std::string_view(message), std::string_view(period)}) {
        const size_t copied = std::min(part.size(), sizeof buffer - 1 - length);
        std::memcpy(buffer + length, part.data(), copied);
        length += copied;
    }
    buffer[length] = '\0';
}

void ReportFailure(const Exception& failure)
{
    char text[1024];
    FormatFailureReport(failure, text);
    ShowErrorBox(text, MessageText(MessageId::FailureCaption));
    EndProcess(1);
}
