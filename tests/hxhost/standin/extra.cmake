# The stand-in host program is driven as a separate process, with a small plug-in of the test's own.
add_library(hxfakeplugin SHARED ${CMAKE_CURRENT_LIST_DIR}/fakeplugin/fakeplugin.cpp)
set_target_properties(hxfakeplugin PROPERTIES PREFIX "" OUTPUT_NAME fakeplugin)
target_link_libraries(hxfakeplugin PRIVATE user32)
add_dependencies(${name} hxhost_exe hxfakeplugin)
target_compile_definitions(${name} PRIVATE HXHOST_EXE="$<TARGET_FILE:hxhost_exe>"
                                           FAKE_PLUGIN="$<TARGET_FILE:hxfakeplugin>")
