# Fuzz target for the picture masks of the numeric dialog fields. The validator is a Qt class, so
# this target needs Qt 6 Gui although the fuzz build leaves the Qt programs out.
find_package(Qt6 REQUIRED COMPONENTS Gui)
quelbox_add_fuzzer(fuzz_dialogs_picture
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/dialogs_picture.cpp
            ${CMAKE_SOURCE_DIR}/src/dialogs/PictureValidator.cpp
    LIBS Qt6::Gui)
target_include_directories(fuzz_dialogs_picture PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(fuzz_dialogs_picture PRIVATE -fno-sanitize-recover=all)
target_link_options(fuzz_dialogs_picture PRIVATE -fno-sanitize-recover=all)
