# Runs the stand-in host program with the built plug-in.
add_dependencies(${name} hxhost_exe pyldlgHX)
target_compile_definitions(${name} PRIVATE HXHOST_EXE="$<TARGET_FILE:hxhost_exe>"
                                           PLUGIN_DLL="$<TARGET_FILE:pyldlgHX>")
# The hostile document is rendered with the stand-in renderer.
add_dependencies(${name} pyrell)
target_compile_definitions(${name} PRIVATE PYRELL_EXE="$<TARGET_FILE:pyrell>")
