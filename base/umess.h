// Text sink: a component hands it lines without knowing where they go. A sink without a
// callback swallows its text.
#pragma once

#include "base/linefmt.h"

#include <cstdarg>

// Receives each text with the sink's context, which may be null.
typedef void (*UMESSFUNC)(void* context, const char* text);

class UMESS {
  public:
    UMESS() = default;

    void SetCallback(void* context_, UMESSFUNC callback_) { context = context_, callback = callback_; }
    // Sends to the same place as other; the newline flag stays.
    void CopyTarget(const UMESS& other) { SetCallback(other.context, other.callback); }
    UMESS& SetNewLine(int flag) {
        newline = flag;
        return *this;
    }

    void Output(const char* text) const {
        if (callback) callback(context, text);
    }
    // The text is passed on as it is, never read as a format.
    void Print(const char* text) const { Output(text); }
    // Formatted texts longer than 1023 bytes (1022 and "\n" in the line forms) are cut.
    void Printf(const char* format, ...) const HX_PRINTF_FORMAT(2, 3);
    void VPrintf(const char* format, va_list args) const;
    void PrintfLn(const char* format, ...) const HX_PRINTF_FORMAT(2, 3);
    void VPrintfLn(const char* format, va_list args) const;

  private:
    void Format(bool line, const char* format, va_list args) const;

    void* context = nullptr;
    UMESSFUNC callback = nullptr;
    int newline = 1;
};
