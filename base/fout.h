#pragma once
// Byte stream: typed readers and writers over a table of twelve stream functions that a back end
// (file or memory) binds. All binary items go out in the machine's order unless byte reversal is on.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/foutblock.h"

struct RGBCOLOR;
struct FVEC2;
struct FVEC3;
struct FVEC4;
struct FMATRIX;
struct FQUAT;

struct FOUTFUNCS {
    int (*Read)(void* stream, void* dst, size_t n);        // 1 when all n bytes were read
    int (*Write)(void* stream, const void* src, size_t n); // 1 when all n bytes were written
    void (*Seek)(void* stream, long pos);
    long (*Tell)(void* stream);
    void (*SetName)(void* stream, const char* name);
    const char* (*GetName)(void* stream);
    long (*GetSize)(void* stream);
    void (*Nop)(void* stream, int arg);
    void (*Skip)(void* stream, long n);
    int (*IsEOF)(void* stream);
    int (*IsOpen)(void* stream);
    int (*Close)(void* stream); // 1 when every byte reached its destination
};

class FOUT {
  public:
    FOUT() = default;
    FOUT(const FOUT&) = default; // both copies share one back-end object
    FOUT& operator=(const FOUT&) = default;
    virtual ~FOUT() = default;

    void Bind(void* stream, const FOUTFUNCS* funcs);
    void SetLittleEndian(int flag) { littleEndian = flag; }

    // The twelve slots; an unbound stream fails every read and write.
    int Read(void* dst, size_t n);
    int Write(const void* src, size_t n);
    void Seek(long pos);
    long Tell();
    void SetName(const char* name);
    const char* GetName();
    long GetSize();
    void Nop(int arg);
    void Skip(long n);
    int IsEOF();
    int IsOpen();
    int Close();

    // Items of more than one byte; reversed per item when the byte-order flag is 0.
    int WriteSwapped(const void* src, size_t n);
    int ReadSwapped(void* dst, size_t n);

    int WriteS8(int8_t v) { return Write(&v, 1); }
    int WriteU8(uint8_t v) { return Write(&v, 1); }
    int WriteS16(int16_t v) { return WriteSwapped(&v, 2); }
    int WriteU16(uint16_t v) { return WriteSwapped(&v, 2); }
    int WriteS32(int32_t v) { return WriteSwapped(&v, 4); }
    int WriteU32(uint32_t v) { return WriteSwapped(&v, 4); }
    int WriteLong(long v) { return WriteSwapped(&v, 4); }
    int WriteFloat(float v) { return WriteSwapped(&v, 4); }
    int WriteS8(const int8_t* p, int count) { return WriteItems(p, 1, count); }
    int WriteU8(const uint8_t* p, int count) { return WriteItems(p, 1, count); }
    int WriteS16(const int16_t* p, int count) { return WriteItems(p, 2, count); }
    int WriteU16(const uint16_t* p, int count) { return WriteItems(p, 2, count); }
    int WriteS32(const int32_t* p, int count) { return WriteItems(p, 4, count); }
    int WriteU32(const uint32_t* p, int count) { return WriteItems(p, 4, count); }
    int WriteLong(const long* p, int count) { return WriteItems(p, 4, count); }
    int WriteFloat(const float* p, int count) { return WriteItems(p, 4, count); }
    int WriteColor(const RGBCOLOR& c); // the four bytes r, g, b, a as one item
    int WriteFVEC2(const FVEC2& v);    // component by component
    int WriteFVEC3(const FVEC3& v);
    int WriteFVEC4(const FVEC4& v);
    int WriteMatrix(const FMATRIX& m); // sixteen floats, row by row
    int WriteColor(const RGBCOLOR* p, int count);
    int WriteFVEC2(const FVEC2* p, int count);
    int WriteFVEC3(const FVEC3* p, int count);
    int WriteFVEC4(const FVEC4* p, int count);
    int WriteMatrix(const FMATRIX* p, int count);
    int WriteQuat(const FQUAT& q); // x, y, z, w
    int WriteQuat(const FQUAT* p, int count);
    int WriteString(const char* s); // with its terminating zero; null writes one zero byte
    int WriteBytes(const void* src, size_t n);

    int8_t ReadS8() { return ReadValue<int8_t>(); }
    uint8_t ReadU8() { return ReadValue<uint8_t>(); }
    int16_t ReadS16() { return ReadValue<int16_t>(); }
    uint16_t ReadU16() { return ReadValue<uint16_t>(); }
    int32_t ReadS32() { return ReadValue<int32_t>(); }
    uint32_t ReadU32() { return ReadValue<uint32_t>(); }
    long ReadLong() { return ReadValue<long>(); }
    float ReadFloat() { return ReadValue<float>(); }
    int ReadS8(int8_t* p) { return ReadItems(p, 1, 1); }
    int ReadU8(uint8_t* p) { return ReadItems(p, 1, 1); }
    int ReadS16(int16_t* p) { return ReadItems(p, 2, 1); }
    int ReadU16(uint16_t* p) { return ReadItems(p, 2, 1); }
    int ReadS32(int32_t* p) { return ReadItems(p, 4, 1); }
    int ReadU32(uint32_t* p) { return ReadItems(p, 4, 1); }
    int ReadLong(long* p) { return ReadItems(p, 4, 1); }
    int ReadFloat(float* p) { return ReadItems(p, 4, 1); }
    int ReadS8(int8_t* p, int count) { return ReadItems(p, 1, count); }
    int ReadU8(uint8_t* p, int count) { return ReadItems(p, 1, count); }
    int ReadS16(int16_t* p, int count) { return ReadItems(p, 2, count); }
    int ReadU16(uint16_t* p, int count) { return ReadItems(p, 2, count); }
    int ReadS32(int32_t* p, int count) { return ReadItems(p, 4, count); }
    int ReadU32(uint32_t* p, int count) { return ReadItems(p, 4, count); }
    int ReadLong(long* p, int count) { return ReadItems(p, 4, count); }
    int ReadFloat(float* p, int count) { return ReadItems(p, 4, count); }
    RGBCOLOR ReadColor();
    FVEC2 ReadFVEC2();
    FVEC3 ReadFVEC3();
    FVEC4 ReadFVEC4();
    FMATRIX ReadMatrix();
    int ReadColor(RGBCOLOR* p, int count = 1);
    int ReadFVEC2(FVEC2* p, int count = 1);
    int ReadFVEC3(FVEC3* p, int count = 1);
    int ReadFVEC4(FVEC4* p, int count = 1);
    int ReadMatrix(FMATRIX* p, int count = 1);
    FQUAT ReadQuat();
    int ReadQuat(FQUAT* p, int count = 1);
    // Stops at the zero byte; 0 when the stream ends first or the text does not fit in size bytes
    // (dst is always terminated).
    int ReadString(char* dst, size_t size);
    int SkipString();
    int ReadBytes(void* dst, size_t n) { return Read(dst, n); }

    // Formatted text is never cut: long text is formatted into a larger buffer.
    int Printf(const char* format, ...);
    int PrintfLn(const char* format, ...);
    int PrintNewLine() { return Write("\r\n", 2); }
    // Writes prefix, the formatted text and suffix in one piece.
    int FormatWrite(const char* prefix, size_t prefixLen, const char* format, va_list args,
                    const char* suffix, size_t suffixLen);

  protected:
    int WriteItems(const void* p, size_t itemSize, int count);
    int ReadItems(void* p, size_t itemSize, int count);
    template <class T> T ReadValue() {
        T v{}; // a failed read gives zero
        if (!ReadItems(&v, sizeof(T), 1)) return T{};
        return v;
    }
    // A value of floats, each float an item of its own.
    template <class T> T ReadFloats() {
        T v{};
        if (!ReadItems(&v, 4, sizeof(T) / 4)) return T{};
        return v;
    }

    int littleEndian = 1;
    void* stream = nullptr;
    const FOUTFUNCS* funcs = nullptr;
};

// The table of a back end: each slot calls the member of the same name on the bound object.
template <class T> const FOUTFUNCS* FoutTableOf() {
    static const FOUTFUNCS table = {
        [](void* s, void* d, size_t n) { return static_cast<T*>(s)->Read(d, n); },
        [](void* s, const void* src, size_t n) { return static_cast<T*>(s)->Write(src, n); },
        [](void* s, long p) { static_cast<T*>(s)->Seek(p); },
        [](void* s) { return static_cast<T*>(s)->Tell(); },
        [](void* s, const char* name) { static_cast<T*>(s)->SetName(name); },
        [](void* s) { return static_cast<T*>(s)->GetName(); },
        [](void* s) { return static_cast<T*>(s)->GetSize(); },
        [](void*, int) {},
        [](void* s, long n) { static_cast<T*>(s)->Skip(n); },
        [](void* s) { return static_cast<T*>(s)->IsEOF(); },
        [](void* s) { return static_cast<T*>(s)->IsOpen(); },
        [](void* s) { return static_cast<T*>(s)->Close(); },
    };
    return &table;
}

// The name a back end keeps for its stream: the path of the last open, cut to fit.
class FOUTNAMED {
  public:
    void SetName(const char* text);
    const char* GetName() const { return name; }

  protected:
    char name[1024] = "";
};

// File back end. Modes: 0 a caller's stream, 1 read, 2 write, 3 whole file read into memory,
// 4 writes collected in memory (up to the size given) and written at close, up to the cursor.
class FOUTFILE : public FOUTNAMED {
  public:
    FOUTFILE() = default;
    FOUTFILE(FOUT& out, FILE* stream) { Attach(out, stream); }
    FOUTFILE(const FOUTFILE&) = delete;
    FOUTFILE& operator=(const FOUTFILE&) = delete;
    virtual ~FOUTFILE();

    // Each open closes what was open before; on failure nothing is bound.
    int OpenRead(FOUT& out, const char* path);
    int OpenWrite(FOUT& out, const char* path);
    int OpenReadMemory(FOUT& out, const char* path);
    int OpenWriteMemory(FOUT& out, const char* path, size_t size);
    void Attach(FOUT& out, FILE* stream); // left open by the destructor, closed by Close
    static const FOUTFUNCS* GetFuncs() { return FoutTableOf<FOUTFILE>(); }

    int Read(void* dst, size_t n);
    int Write(const void* src, size_t n);
    void Seek(long pos);
    long Tell();
    long GetSize();
    void Skip(long n);
    int IsEOF();
    int IsOpen() const { return open; }
    int Close();

  private:
    int OpenStream(FOUT& out, const char* path, int newMode);
    void Forget();
    bool InMemory() const { return mode >= 3; }

    FILE* file = nullptr;
    int mode = 0;
    bool open = false;
    FOUTBLOCK block;
};

// Memory back end: an owned block that grows, or a caller's block of fixed size.
class FOUTMEM : public FOUTNAMED {
  public:
    FOUTMEM() = default;
    FOUTMEM(FOUT& out, void* buffer, size_t size) { Attach(out, buffer, size); }
    FOUTMEM(const FOUTMEM&) = delete;
    FOUTMEM& operator=(const FOUTMEM&) = delete;
    virtual ~FOUTMEM() { block.Release(); }

    int Create(FOUT& out, size_t size); // 0 when the block cannot be allocated
    void Attach(FOUT& out, void* buffer, size_t size);
    unsigned char* GetBuffer() const { return block.data; }
    unsigned char* GetData() const { return block.data; } // the same block, by its second name
    unsigned char* GetCursor() const { return block.data + block.pos; }
    // An owned block shrinks to the bytes before the cursor; at 0 bytes it is freed.
    int Fit() { return block.owned ? block.Fit() : 1; }
    static const FOUTFUNCS* GetFuncs() { return FoutTableOf<FOUTMEM>(); }

    int Read(void* dst, size_t n) { return block.Read(dst, n); }
    int Write(const void* src, size_t n) { return block.Write(src, n); }
    void Seek(long pos) { block.Seek(pos); }
    long Tell() const { return long(block.pos); }
    long GetSize() const { return long(block.capacity); }
    void Skip(long n) { block.Skip(n); }
    int IsEOF() const { return block.AtEnd(); }
    int IsOpen() const { return block.data != nullptr || block.owned; }
    int Close() { return Fit() && !block.failed; }

  private:
    FOUTBLOCK block;
};
