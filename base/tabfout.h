#pragma once
// Line-oriented text with tab indentation over a byte stream; every line ends in CR LF.
#include "base/fout.h"

class TABFOUT : public FOUT {
  public:
    TABFOUT() = default;

    void ClearIndent() { depth = 0; }
    void PushIndent(); // ignored at the capacity of 255 levels
    void PopIndent() {
        if (depth > 0) depth--;
    }
    int GetIndentDepth() const { return depth; }
    void PutIndent() { Write(indent, depth); }
    void NewLine() { PrintNewLine(); }
    // The formatted text is written as it stands: a '%' in a substituted name stays a '%'.
    void Print(const char* format, ...);
    void PrintLn(const char* format, ...);
    int IndentNewLine();
    void IndentPrint(const char* format, ...);
    void IndentPrintLn(const char* format, ...);
    int Write32(float value) { return WriteFloat(value); }
    int IndentWrite32(float value);

  private:
    char indent[256] = {};
    int depth = 0;
};
