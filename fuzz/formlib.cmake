# Fuzz target for tavrin32's bitmap reader and its run-length decoder. The reader's sources are
# compiled into the target (the library hides them) so that libFuzzer sees their coverage.
quelbox_add_fuzzer(fuzz_formlib_bmp
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/formlib_bmp.cpp
            ${CMAKE_SOURCE_DIR}/src/formlib/BmpReader.cpp
            ${CMAKE_SOURCE_DIR}/src/formlib/BmpReaderRle.cpp)
target_include_directories(fuzz_formlib_bmp PRIVATE ${CMAKE_SOURCE_DIR}/src)
# Undefined behaviour stops the run instead of being reported and passed over.
target_compile_options(fuzz_formlib_bmp PRIVATE -fno-sanitize-recover=all)
target_link_options(fuzz_formlib_bmp PRIVATE -fno-sanitize-recover=all)
