#pragma once
// The host program's command line:
//   hxhost.exe [--plugin DLL] [--work DIR] [--renderer EXE] [--log FILE] DOCUMENT.json [COMMAND ...]
#include <string>
#include <vector>

struct HostCommand {
    std::string name;     // render, save, undo, redo, screenshot, exit
    std::string argument; // the file of a screenshot
};

struct HostOptions {
    std::string plugin;
    std::string work;
    std::string renderer;
    std::string log;
    std::string document;
    std::vector<HostCommand> commands;
};

// False with a reason for an unknown option or command, or a missing value.
bool ParseHostOptions(int argc, char** argv, HostOptions* out, std::string* error);

extern const char kHostUsage[];
