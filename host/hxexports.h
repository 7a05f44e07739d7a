// The fourteen functions the module exports to the host (cdecl, undecorated names).
#pragma once

#include "host/hxfuncs.h"

extern "C" {
DWORD __cdecl HXCheckVersion(DWORD version);
BOOL __cdecl HXInit(const char* path);
void __cdecl HXGetPlugInID(DWORD* product, DWORD* id);
const char* __cdecl HXGetPlugInName();
int __cdecl HXGetPlugInType();
const char* __cdecl HXEnumString(int index);
const char* __cdecl HXEnumFileType(int index);
const char* __cdecl HXEnumFileExt(int index);
BOOL __cdecl HXImportFile(DWORD a, DWORD b, DWORD c);
BOOL __cdecl HXExportFile(DWORD a, DWORD b, DWORD c);
BOOL __cdecl HXCreate(DWORD a, DWORD b);
BOOL __cdecl HXModifySelect(DWORD a, DWORD b);
BOOL __cdecl HXModifyObject(DWORD a, DWORD b);
BOOL __cdecl HXOnEvent(HXDocHandle doc, int event, void* option);
}
