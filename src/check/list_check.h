// DeskRotateCheck: shows the user what DeskRotate makes of its list file, line by line, and warns
// where the file almost certainly does not say what was meant. It changes no setting.
#pragma once

#include <string>
#include <vector>

constexpr int CheckFoundNothing = 0;
constexpr int CheckWarned = 1;
// The list file is missing or unreadable, the template was refused, or the command line is wrong.
constexpr int CheckFailed = 2;

// The whole checker, given the command-line arguments after the program's name; gives the exit code.
//   (none)           the list file that DeskRotate.exe beside this program reads
//   LISTFILE         that file
//   --new LISTFILE   writes a template list file there, never over an existing one
int RunListCheck(const std::vector<std::string>& arguments);
