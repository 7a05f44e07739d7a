# The render job runs the stand-in renderer.
add_dependencies(${name} pyrell)
target_compile_definitions(${name} PRIVATE PYRELL_EXE="$<TARGET_FILE:pyrell>")
