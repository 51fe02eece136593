#include "check/list_check.h"

int main(int argc, char** argv)
{
    return RunListCheck(std::vector<std::string>(argv + 1, argv + argc));
}
