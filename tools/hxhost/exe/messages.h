#pragma once
// The lines the plug-in shows in its message window (a read-only multi-line edit control of its main
// window), followed so the host's output tells what the plug-in told its user.
#include <windows.h>

#include <functional>
#include <string>

class PlugInMessages {
  public:
    // Passes each complete line added since the last call to `say`.
    void Report(HWND plugInWindow, const std::function<void(const std::string&)>& say);

  private:
    std::string seen_; // the control's text up to the last reported line end
};
