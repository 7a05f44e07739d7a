// Where a dialog was relative to its owner (and, with the size flag, its size), so that it opens
// there again, kept on the desktop. Stored as "<name>_winpos_x", "_y", "_flg", "_w" and "_h".
#pragma once
#include <windows.h>

#include "base/uregkey.h"

class DLGWINPOS {
  public:
    virtual ~DLGWINPOS() = default;

    void SetSizeFlag(int flag) { sizeFlag = flag; }
    int GetSizeFlag() const { return sizeFlag; }
    int IsStored() const { return stored; }
    POINT GetOffset() const { return {x, y}; }
    SIZE GetSize() const { return {width, height}; } // -1 stands for none stored

    void Record(HWND owner, HWND dialog);
    void Restore(HWND owner, HWND dialog);
    void Apply(HWND owner, HWND dialog); // Restore when stored, else Record

    // Values of the wrong type, and a width or height that is no screen size, read as missing; so do
    // offsets that could not put the dialog on any screen.
    bool Load(const UREGKEY* key, const char* name);
    bool Save(const UREGKEY* key, const char* name) const; // false also when a value could not be written

  private:
    int stored = 0;
    int sizeFlag = 0;
    int x = 0;
    int y = 0;
    int width = 256;
    int height = 256;
};
