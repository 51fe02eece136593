// A list file to start from: the headings of the example file, the sound folder of a standard
// installation, every slot "Not use", CR LF line ends.
#pragma once

#include <string>

std::string ListTemplate();
