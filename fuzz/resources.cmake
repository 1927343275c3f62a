# Hostile input for the archive reader, the font record parser and the BMP reader. The three units
# are compiled on their own so the fuzzers need neither SDL nor the rest of the shell.
add_library(lx_fuzz_resources STATIC ${CMAKE_SOURCE_DIR}/src/shell/lxresources_archive.cpp
                                     ${CMAKE_SOURCE_DIR}/src/shell/lxfontrecord.cpp
                                     ${CMAKE_SOURCE_DIR}/src/shell/lxbitmap.cpp)
target_include_directories(lx_fuzz_resources PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(lx_fuzz_resources PUBLIC lx_files ZLIB::ZLIB)
tessaro_fuzz(archive lx_fuzz_resources)
tessaro_fuzz(fontrecord lx_fuzz_resources)
tessaro_fuzz(bmp lx_fuzz_resources)
