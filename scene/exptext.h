// Text of the PYL and HXO files, built in memory and handed to the stream in large blocks.
// Numbers come out exactly as printf's "%f", "%d" and "%u" print them in the "C" locale; lines
// have no length limit. A number that is not finite is never written: the renderer cannot read it,
// so the line holding it is reported and the text writes nothing more.
#pragma once

#include <cstddef>
#include <cstring>

#include "base/numfmt.h"

class FOUT;
class UMESS;

// A name from the document as a Format argument: it comes out made quotable (scene/quotedtext.h), the
// same way in every file, so what refers to the name still matches it.
struct NAMETEXT {
    const char* text;
};

class EXPTEXT {
  public:
    // The failure line for a number that is not finite goes to mess.
    EXPTEXT(FOUT& out, const UMESS& mess) : out(out), mess(mess) {}
    ~EXPTEXT();
    EXPTEXT(const EXPTEXT&) = delete;
    EXPTEXT& operator=(const EXPTEXT&) = delete;

    void Tabs(int depth);
    void Put(const char* text) { Put(text, std::strlen(text)); }
    void Put(const char* text, size_t n) { std::memcpy(Reserve(n), text, n), used += n; }
    void PutFloat(float v, int decimals = 6) { Advance(Float(Reserve(NUMFMT_MAX), v, decimals)); }
    void PutInt(int v) { used += FormatInt(Reserve(NUMFMT_MAX), v); }
    void PutName(const char* text);
    // A blank and the text in double quotes, only when the text is not empty.
    void PutMap(const char* text);
    // CR LF; the text goes to the stream once enough has gathered.
    void EndLine();
    // For the bulk lines: room for n bytes at the end of the text, filled directly; Advance
    // takes the end of what was written.
    char* Room(size_t n) { return Reserve(n); }
    void Advance(char* end) { used = size_t(end - data); }
    // Every float of the files is formatted here: v at p (NUMFMT_MAX bytes); the end of the text.
    char* Float(char* p, float v, int decimals = 6);

    // The format's "%f", "%d" and "%s" each take the next argument, printed by its
    // type; user text only ever comes in as an argument, so a '%' in it stays a '%'.
    template <class... A> void Format(const char* format, const A&... args) {
        const char* p = format;
        (PutArg(p, args), ...);
        Put(p);
    }
    template <class... A> void Line(int depth, const char* format, const A&... args) {
        Tabs(depth);
        Format(format, args...);
        EndLine();
    }

    // Writes what is gathered; 0 when this or any earlier write failed, or a number was not finite.
    int Flush();

  private:
    char* Reserve(size_t n) { return used + n <= capacity ? data + used : Grow(n); }
    char* Grow(size_t n);
    template <class T> void PutArg(const char*& p, const T& v) {
        const char* mark = std::strchr(p, '%');
        if (!mark) return;
        Put(p, mark - p);
        PutValue(v);
        p = mark + 2;
    }
    void PutValue(float v) { PutFloat(v); }
    void PutValue(int v) { PutInt(v); }
    void PutValue(const char* v) { Put(v); }
    void PutValue(NAMETEXT v) { PutName(v.text); }

    FOUT& out;
    const UMESS& mess;
    char* data = nullptr;
    size_t used = 0;
    size_t capacity = 0;
    size_t lineStart = 0;
    bool failed = false;
    bool nonFinite = false; // in the line being built; reported when it ends
    bool reported = false;
};
