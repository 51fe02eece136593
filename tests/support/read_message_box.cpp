// Waits for a top-level window with the given caption (hexadecimal ANSI bytes) and prints the
// caption and the texts of its static controls, each in hexadecimal on a line of its own. Exit
// code 1 when no such window appears within the given seconds. With a third argument "dismiss",
// presses the box's OK button afterwards.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string FromHex(const char* hex)
{
    std::string bytes;
    for (size_t i = 0; hex[i] != '\0' && hex[i + 1] != '\0'; i += 2) {
        bytes += static_cast<char>(std::strtoul(std::string(hex + i, 2).c_str(), nullptr, 16));
    }
    return bytes;
}

void PrintHex(const char* label, const char* text)
{
    std::printf("%s ", label);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) std::printf("%02X", *p);
    std::printf("\n");
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts)
{
    char className[32];
    char text[2048];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
        reinterpret_cast<std::vector<std::string>*>(texts)->push_back(text);
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) return 2;
    const bool dismiss = argc == 4 && lstrcmpA(argv[3], "dismiss") == 0;
    const std::string caption = FromHex(argv[1]);
    const int tries = std::atoi(argv[2]) * 10;
    for (int waited = 0; waited < tries; ++waited, Sleep(100)) {
        HWND box = FindWindowA(nullptr, caption.c_str());
        if (box == nullptr) continue;
        // The dialog's window is found before its controls have their texts; wait for them too.
        std::vector<std::string> texts;
        EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
        if (texts.empty() && waited + 1 < tries) continue;
        char title[256];
        GetWindowTextA(box, title, sizeof title);
        PrintHex("caption", title);
        for (const std::string& text : texts) PrintHex("text", text.c_str());
        if (dismiss) PostMessageA(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    return 1;
}
