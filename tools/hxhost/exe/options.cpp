#include "tools/hxhost/exe/options.h"

#include <cstring>

const char kHostUsage[] =
    "usage: hxhost.exe [--plugin DLL] [--work DIR] [--renderer EXE] [--log FILE] DOCUMENT.json "
    "[render | save | undo | redo | screenshot FILE.bmp | exit] ...";

bool ParseHostOptions(int argc, char** argv, HostOptions* out, std::string* error) {
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        std::string option = argv[i];
        std::string* target = option == "--plugin"     ? &out->plugin
                              : option == "--work"     ? &out->work
                              : option == "--renderer" ? &out->renderer
                              : option == "--log"      ? &out->log
                                                       : nullptr;
        if (!target) {
            *error = "unknown option " + option;
            return false;
        }
        if (++i == argc) {
            *error = option + " needs a value";
            return false;
        }
        *target = argv[i];
    }
    if (i == argc) {
        *error = "no document given";
        return false;
    }
    out->document = argv[i++];
    for (; i < argc; ++i) {
        HostCommand command{argv[i], ""};
        if (command.name == "screenshot") {
            if (++i == argc) {
                *error = "screenshot needs a file name";
                return false;
            }
            command.argument = argv[i];
        } else if (command.name != "render" && command.name != "save" && command.name != "undo" &&
                   command.name != "redo" && command.name != "exit") {
            *error = "unknown command " + command.name;
            return false;
        }
        out->commands.push_back(command);
    }
    return true;
}
