# Reads the plug-in's export and import tables with objdump and fails on any difference from what the
# host expects: exactly the fourteen names, nothing decorated, only system DLLs imported.
cmake_minimum_required(VERSION 3.24)
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)+" table "${dump}")
# Keep only the names: list elements must not hold the table's brackets.
string(REPLACE "[Ordinal/Name Pointer] Table\n" "" table "${table}")
string(REGEX REPLACE "\t\\[ *[0-9]+\\] " "" table "${table}")
string(STRIP "${table}" table)
string(REPLACE "\n" ";" exports "${table}")
set(expected HXCheckVersion HXCreate HXEnumFileExt HXEnumFileType HXEnumString HXExportFile
  HXGetPlugInID HXGetPlugInName HXGetPlugInType HXImportFile HXInit HXModifyObject HXModifySelect
  HXOnEvent)
list(SORT exports)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are [${exports}], expected [${expected}]")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(system kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll
  shlwapi.dll msvcrt.dll)
foreach(import IN LISTS imports)
  string(SUBSTRING "${import}" 10 -1 library)
  string(TOLOWER "${library}" library)
  if(NOT library IN_LIST system)
    message(FATAL_ERROR "imports ${library}, which is not a system DLL")
  endif()
endforeach()
message(STATUS "exports: ${exports}; imports: ${imports}")
