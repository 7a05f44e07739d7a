#include "ui/filehistorymenu.h"

#include <cstdio>

#include "ui/regread.h"

namespace {

const int kSavedEntries = 10;

struct ValueNames {
    char path[32];
    char type[32];
    explicit ValueNames(int i) {
        snprintf(path, sizeof path, "filehistory_%02d", i);
        snprintf(type, sizeof type, "filehistory_type_%02d", i);
    }
};

} // namespace

FILEHISTORY_MENU::~FILEHISTORY_MENU() {
    if (popup && IsMenu(popup)) DestroyMenu(popup);
}

bool FILEHISTORY_MENU::Attach(HMENU menu, UINT commandId) {
    popup = CreatePopupMenu();
    if (!popup) return false;
    const char* caption = english ? "History" : "最近のファイル";
    bool placed = ModifyMenuA(menu, commandId, MF_BYCOMMAND | MF_POPUP, (UINT_PTR)popup, caption) != 0;
    Rebuild();
    return placed;
}

void FILEHISTORY_MENU::Rebuild() {
    if (!popup) return;
    for (int n = GetMenuItemCount(popup); n > 0; n--)
        DeleteMenu(popup, 0, MF_BYPOSITION);
    if (!history) return;
    FILEHISTORY_ENTRY entry;
    // One byte more than a path for the typed mark.
    char text[sizeof entry.path + 1];
    for (int i = 0; history->GetPathType(i, &entry.type, entry.path, sizeof entry.path); i++) {
        if (history->GetTyped())
            snprintf(text, sizeof text, entry.type ? "*%s" : " %s", entry.path);
        else
            snprintf(text, sizeof text, "%s", entry.path);
        AppendMenuA(popup, MF_STRING, baseId + i, text);
    }
}

bool FILEHISTORY_MENU::Load(const UREGKEY* key) {
    if (!key || !history) return false;
    FILEHISTORY_ENTRY entry;
    for (int i = 0; i < kSavedEntries; i++) {
        ValueNames names(i);
        int type = 0;
        if (history->GetTyped()) ReadRegInt(*key, names.type, &type);
        if (!ReadRegString(*key, names.path, entry.path, sizeof entry.path) || !entry.path[0]) continue;
        if (history->GetTyped())
            history->AppendTyped(type, entry.path);
        else
            history->Append(entry.path);
    }
    return true;
}

bool FILEHISTORY_MENU::Save(const UREGKEY* key) const {
    if (!key || !history) return false;
    bool ok = true;
    FILEHISTORY_ENTRY entry;
    for (int i = 0; i < kSavedEntries; i++) {
        ValueNames names(i);
        if (!history->GetPathType(i, &entry.type, entry.path, sizeof entry.path)) entry = FILEHISTORY_ENTRY();
        ok &= key->SetString(names.path, entry.path) != 0;
        if (history->GetTyped()) ok &= key->SetInt(names.type, entry.type) != 0;
    }
    return ok;
}
