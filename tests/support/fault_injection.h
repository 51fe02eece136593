// Makes the Nth call through the system call table fail, the way that function reports failure,
// while every other call goes to the real function.
#pragma once

#include <windows.h>

#include <string>

struct FaultPlan {
    int failAt = 0;     // the call, counting from 1, that fails; 0 for none
    int calls = 0;      // calls counted so far
    std::string failed; // the name of the function that failed, once one has
};

extern FaultPlan faultPlan;

// Puts the counting fakes in place of every entry that can fail; the others stay as they are.
void InstallFaultInjection();

// Puts the real functions back.
void RemoveFaultInjection();
