#include "run/failure_report.h"

#include "platform/messages.h"
#include "platform/system.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// Eight upper-case hexadecimal digits and a NUL. Written out by hand because the C library's
// formatted printing would bring its whole floating-point formatter into the executable.
void HexDigitsOf(uint32_t value, char (&text)[9])
{
    for (int digit = 7; digit >= 0; --digit) {
        text[digit] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    }
    text[8] = '\0';
}

}  // namespace

void FormatFailureReport(const Exception& failure, char (&buffer)[1024])
{
    char moduleName[260];
    uintptr_t offset = 0;
    FindModuleOf(failure.Address(), moduleName, sizeof moduleName, &offset);
    char offsetText[9];
    HexDigitsOf(static_cast<uint32_t>(offset), offsetText);

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
