# Fails when the shared library LIBRARY exports a symbol of its own that is not part of its
# public classes. Weak symbols of the standard library's templates and Qt's inline members
# (which Qt's headers mark for export), with their type information, are allowed.
execute_process(COMMAND nm -D -C --defined-only ${LIBRARY}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(public_classes "IntlDate|TGTime|Language|TGrid|TGEdit|TGShortEdit|TGLongEdit|TGDoubleEdit")
string(APPEND public_classes "|TGDateEdit|TGTimeEdit|TGDateTimeEdit|TGValidator|TGShortValidator")
string(APPEND public_classes "|TGLongValidator|TGDoubleValidator|TGDateValidator|TGTimeValidator")
set(unexpected "")
set(found_public FALSE)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[0-9a-f]* *[A-Za-z] (.*)$")
        continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "^(vtable for |typeinfo for |typeinfo name for |non-virtual thunk to )"
           "" class_member "${name}")
    if(class_member MATCHES "^(${public_classes})(::|$)" OR name STREQUAL "GetLanguage()")
        set(found_public TRUE)
    elseif(NOT name MATCHES "^(std::|auto std::|void std::|bool std::|__)"
           AND NOT class_member MATCHES "^Q[A-Z][A-Za-z]*(::|$)"
           AND NOT name MATCHES "^(_init|_fini|_edata|_end|__bss_start)$")
        list(APPEND unexpected "${name}")
    endif()
endforeach()
if(NOT found_public)
    message(FATAL_ERROR "no public symbols found in ${LIBRARY}")
endif()
if(unexpected)
    list(JOIN unexpected "\n  " text)
    message(FATAL_ERROR "unexpected exported symbols:\n  ${text}")
endif()
message(STATUS "exports of ${LIBRARY} are as expected")
