#pragma once

#include <string>
#include <vector>

// One sub-command of the vespira command line. A command group (one file pair
// per group) hands its commands to the dispatcher in vespira.cpp.
struct TToolCommand
{
    const char* Name;
    const char* Usage;   // arguments after the name, e.g. "FOLDER ARCHIVE"
    const char* Summary; // one line for --help
    int (*Run)(const std::vector<std::string>& args);
};

enum TToolExit : int
{
    exitSuccess = 0,
    exitFailure = 1,
    exitWrongUsage = 2,
};

// Prints "vespira: message" on stderr and returns exitFailure.
int FailWith(const std::string& message);
// Prints the command's usage line on stderr and returns exitWrongUsage.
int WrongUsage(const TToolCommand& command);
