#pragma once
// One run of the host: its main window, the plug-in's start-up, the document's opening, the commands
// in order, and the exit.
#include <windows.h>

#include <string>

#include "tools/hxhost/exe/messages.h"
#include "tools/hxhost/exe/options.h"
#include "tools/hxhost/exe/plugin.h"

class HostSession {
  public:
    // Exit codes of the host program.
    enum { kOk = 0, kFailed = 1, kBadDocument = 2, kNotAvailable = 3 };

    explicit HostSession(const HostOptions& options) : options_(options) {}
    // Creates the window, starts the plug-in and opens the document; an exit code on failure, else -1.
    int Start();
    // The plain message loop; returns the exit code.
    int Run();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool StartPlugIn();
    int SendEvent(int event, void* options, const std::string& what);
    void ReportMessages();
    void RunNextCommand();
    int RunCommand(const HostCommand& command);
    int Render();
    int Save();
    int Undo(int step);
    void SendUndoState();
    int Screenshot(const std::string& path);
    HWND PlugInWindow() const;
    void Finish(int exitCode);

    const HostOptions& options_;
    PlugIn plugin_;
    PlugInMessages messages_;
    HWND window_ = nullptr;
    size_t nextCommand_ = 0;
    int undoState_ = 0; // the host's undo position, 0 after opening
    int undoTop_ = 0;
    bool finished_ = false;
    int exitCode_ = kOk;
};
