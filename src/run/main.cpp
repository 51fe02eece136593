#include "run/rotation.h"

int main()
{
    RunRotation();
}
