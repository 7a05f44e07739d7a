// Object names of the form "@command:base" turn an object into something other than geometry.
#include "scene/convert_scene.h"

#include <string.h>

#include "base/trace.h"

namespace {

struct OBJCMD {
    int id;
    const char* name;
};

const OBJCMD kCommands[] = {
    {OBJCMD_PYLPOINT, "PYLPoint"},
    {OBJCMD_NONE, nullptr},
};

const size_t kPartLen = 256;

void CopyPart(char* out, const char* text, size_t n) {
    if (n > kPartLen - 1) n = kPartLen - 1;
    memcpy(out, text, n);
    out[n] = 0;
}

} // namespace

int SplitObjCommand(char* command, char* base, const char* name) {
    command[0] = 0;
    base[0] = 0;
    if (!name || name[0] != '@') return 0;
    const char* colon = strchr(name, ':');
    if (!colon || colon == name + 1) return 0;
    CopyPart(command, name + 1, colon - (name + 1));
    CopyPart(base, colon + 1, strlen(colon + 1));
    return 1;
}

int ParseObjCommand(char* base, const char* name) {
    char command[kPartLen];
    if (!SplitObjCommand(command, base, name)) return OBJCMD_NONE;
    for (const OBJCMD* c = kCommands; c->name; c++) {
        if (strcmp(c->name, command) == 0) return c->id;
    }
    Trace("不明なコマンドです:%s", command);
    return OBJCMD_NONE;
}

const char* GetObjCommandName(int id) {
    for (const OBJCMD* c = kCommands; c->name; c++) {
        if (c->id == id) return c->name;
    }
    return nullptr;
}
