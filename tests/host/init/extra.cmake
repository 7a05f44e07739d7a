# Fake hosts for HXInit, made from the one list of host functions: "complete" exports all of them;
# the others lack the first name, the name looked up twice, or the last name.
file(READ ${CMAKE_SOURCE_DIR}/host/hxfuncs.h hx_funcs)
string(REGEX MATCHALL "\n    F\\([A-Za-z_]+, [A-Za-z_]+" hx_fake_entries "${hx_funcs}")
set(hx_fake_names)
foreach(entry IN LISTS hx_fake_entries)
  string(REGEX REPLACE ".*, " "" fake_name "${entry}")
  list(APPEND hx_fake_names ${fake_name})
endforeach()
list(LENGTH hx_fake_names hx_fake_count)
if(NOT hx_fake_count EQUAL 140)
  message(FATAL_ERROR "read ${hx_fake_count} host functions from host/hxfuncs.h, expected 140")
endif()

set(hx_fake_dir ${CMAKE_BINARY_DIR}/fakehost)
add_library(hx_fakehost_objects OBJECT ${dir}/fake/fakehost.cpp)

function(hx_fake_host variant)
  list(JOIN ARGN "\n    " exports)
  file(CONFIGURE OUTPUT ${hx_fake_dir}/${variant}.def CONTENT "EXPORTS\n    ${exports}\n")
  add_library(hxfake_${variant} SHARED $<TARGET_OBJECTS:hx_fakehost_objects> ${hx_fake_dir}/${variant}.def)
  set_target_properties(hxfake_${variant} PROPERTIES PREFIX "" OUTPUT_NAME ${variant}
    RUNTIME_OUTPUT_DIRECTORY ${hx_fake_dir} LINKER_LANGUAGE CXX)
  add_dependencies(${name} hxfake_${variant})
endfunction()

hx_fake_host(complete ${hx_fake_names})
foreach(missing HX_GetWindowHandle HX_GetSystemPath HXXmlElem_Value)
  set(others ${hx_fake_names})
  list(REMOVE_ITEM others ${missing})
  hx_fake_host(without_${missing} ${others})
endforeach()

add_dependencies(${name} pyldlgHX)
target_compile_definitions(${name} PRIVATE HX_FAKE_HOST_DIR="${hx_fake_dir}"
  HX_PLUGIN_DLL="$<TARGET_FILE:pyldlgHX>")

# The built plug-in exports exactly its fourteen names, undecorated, and imports only system DLLs.
add_test(NAME dll_exports_and_imports COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP}
  -DDLL=$<TARGET_FILE:pyldlgHX> -P ${dir}/check_dll.cmake)
set_tests_properties(dll_exports_and_imports PROPERTIES TIMEOUT 60)
