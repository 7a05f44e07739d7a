// A popup menu of a file history's paths, put in place of one item of a menu, and the history's
// registry values ("filehistory_%02d", and "filehistory_type_%02d" when typed).
#pragma once
#include <windows.h>

#include "base/uregkey.h"
#include "ui/filehistory.h"

class FILEHISTORY_MENU {
  public:
    FILEHISTORY_MENU() = default;
    FILEHISTORY_MENU(const FILEHISTORY_MENU&) = delete;
    FILEHISTORY_MENU& operator=(const FILEHISTORY_MENU&) = delete;
    virtual ~FILEHISTORY_MENU();

    void SetHistory(FILEHISTORY* h) { history = h; }
    void SetBaseId(UINT id) { baseId = id; }
    void SetEnglish(int flag) { english = flag; }
    HMENU GetMenu() const { return popup; }

    // Turns the item commandId of menu into a new popup of the history; false when the item does not
    // exist.
    bool Attach(HMENU menu, UINT commandId);
    // Entry i becomes the item with id base + i.
    void Rebuild();

    // Always ten entries' values, so that a shorter history overwrites a longer one saved before.
    // Values of the wrong type, or paths too long for an entry, read as missing.
    bool Load(const UREGKEY* key);
    bool Save(const UREGKEY* key) const; // false also when a value could not be written

  private:
    FILEHISTORY* history = nullptr;
    UINT baseId = 0;
    int english = 0;
    HMENU popup = 0;
};
