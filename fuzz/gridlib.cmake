# Fuzz target for cellix32's date and time reading and writing. The library's sources are
# compiled into the target so that libFuzzer sees their coverage.
get_target_property(gridlib_dir cellix32_intl SOURCE_DIR)
get_target_property(gridlib_sources cellix32_intl SOURCES)
list(TRANSFORM gridlib_sources PREPEND ${gridlib_dir}/)
quelbox_add_fuzzer(fuzz_gridlib_intl
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/gridlib_intl.cpp ${gridlib_sources})
target_include_directories(fuzz_gridlib_intl PRIVATE ${gridlib_dir})
# Undefined behaviour stops the run instead of being reported and passed over.
target_compile_options(fuzz_gridlib_intl PRIVATE -fno-sanitize-recover=all)
target_link_options(fuzz_gridlib_intl PRIVATE -fno-sanitize-recover=all)
