# Fuzz targets for the readers of outside data in quelbox_core: the job file with its
# recalculation and summary page, the two side files with a new job made from them, the table
# layer on any .DAT file, and the CSV form of a table as an import reads it. quelbox_core itself is built with the fuzzer's coverage and the
# sanitizers here, so every program that links it in this build carries the sanitizers too.
target_compile_options(quelbox_core PRIVATE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
target_link_options(quelbox_core INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)

foreach(target IN ITEMS job kvi table csv)
    quelbox_add_fuzzer(fuzz_core_${target}
        SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/core_${target}.cpp
                ${CMAKE_CURRENT_SOURCE_DIR}/core_scratch.cpp
        LIBS quelbox_core)
    target_compile_options(fuzz_core_${target} PRIVATE -fno-sanitize-recover=all)
    target_link_options(fuzz_core_${target} PRIVATE -fno-sanitize-recover=all)
endforeach()

# Seed corpora: the sample job, written side files and the shipped tables, whole and cut.
add_executable(fuzz_core_seeds ${CMAKE_CURRENT_SOURCE_DIR}/core_seeds.cpp)
target_link_libraries(fuzz_core_seeds PRIVATE quelbox_core)
set(core_seed_dir ${CMAKE_BINARY_DIR}/fuzz-seeds/core)
add_custom_command(OUTPUT ${core_seed_dir}/stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${core_seed_dir}
    COMMAND fuzz_core_seeds ${CMAKE_BINARY_DIR}/sample/sample.kvj ${CMAKE_BINARY_DIR}/data
            ${core_seed_dir}
    COMMAND ${CMAKE_COMMAND} -E touch ${core_seed_dir}/stamp
    DEPENDS fuzz_core_seeds sample_job quelbox_tables_data
    COMMENT "Writing the seed corpora of the core fuzz targets"
    VERBATIM)
add_custom_target(fuzz_core_seed_corpora DEPENDS ${core_seed_dir}/stamp)
