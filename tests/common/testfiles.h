#pragma once
// Scratch files and child processes for the tests that run programs of the build tree: files in the
// run's scratch folder, programs run with their output captured and a time limit.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "tests/common/scratch.h"

inline std::string ScratchPath(const std::string& name) {
    return ScratchFolder().string() + "\\" + name;
}

inline std::string WriteScratch(const std::string& name, const std::string& bytes) {
    std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// A build-tree path as Wine sees it, quoted for a command line.
inline std::string QuotedWinPath(const char* unixPath) {
    std::string path = std::string("\"Z:") + unixPath + "\"";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

struct ProcessRun {
    DWORD code = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

// Reads what the pipe holds now, without waiting for its end: helper processes that Wine starts for a
// program with windows may keep the pipe open after the program has gone.
inline void ReadAvailable(HANDLE pipe, std::string& text) {
    DWORD available = 0;
    char buffer[4096];
    DWORD n = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
           ReadFile(pipe, buffer, available < sizeof buffer ? available : sizeof buffer, &n, nullptr) &&
           n > 0)
        text.append(buffer, n);
}

// Runs a command line for up to a minute and collects its exit code and output; a program still
// running then is ended, and its code is 0xFFFFFFFF.
inline ProcessRun RunProcess(std::string command) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read[2], write[2]; // standard output, standard error
    for (int i = 0; i < 2; ++i) {
        CreatePipe(&read[i], &write[i], &inherit, 0);
        SetHandleInformation(read[i], HANDLE_FLAG_INHERIT, 0);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write[0];
    startup.hStdError = write[1];
    PROCESS_INFORMATION process{};
    ProcessRun run;
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(write[0]);
    CloseHandle(write[1]);
    bool exited = !started;
    for (int waited = 0; !exited && waited < 60000; waited += 20) {
        exited = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
        ReadAvailable(read[0], run.out);
        ReadAvailable(read[1], run.err);
    }
    if (started) {
        if (!exited && TerminateProcess(process.hProcess, 0xFFFFFFFF))
            WaitForSingleObject(process.hProcess, 5000);
        GetExitCodeProcess(process.hProcess, &run.code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(read[0]);
    CloseHandle(read[1]);
    return run;
}

// Makes path a link to the Unix device on which every write fails for want of room, as on a full disk.
inline bool LinkToFullDevice(const std::string& path) {
    return RunOnUnixName("ln -s /dev/full", path, true);
}
