target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/host/dll/hxexports.cpp)
