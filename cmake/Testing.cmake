# SPDX-License-Identifier: MIT
# What the tests need, included only when BUILD_TESTING is on: Qt Test, and
# tavelo_add_test, through which every test is added so that all of them run
# in the same environment.

find_package(Qt6 REQUIRED COMPONENTS Test)

# Every test runs headless on the offscreen platform (the desktop suite's
# script selects xcb for its own X server), in a UTF-8 locale with no
# language list of the caller's (LANGUAGE) that could turn the program's
# windows English, and with
# LeakSanitizer on in the sanitizer build, with the suppressions (each with
# its reason) for what system libraries keep.
set(TAVELO_TEST_ENV
    QT_QPA_PLATFORM=offscreen
    LANG=C.UTF-8
    LANGUAGE=
    ASAN_OPTIONS=detect_leaks=1
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")

# tavelo_add_test(NAME name COMMAND command [args...] TIMEOUT seconds
#                 [ENVIRONMENT VAR=value...] [LABELS label...])
# Adds a test that runs with TAVELO_TEST_ENV; ENVIRONMENT adds to it or
# overrides a variable of it. Further properties (a pass expression, say)
# may be set afterwards, but not ENVIRONMENT.
function(tavelo_add_test)
    cmake_parse_arguments(arg "" "NAME;TIMEOUT" "COMMAND;ENVIRONMENT;LABELS" ${ARGN})
    if(NOT arg_NAME OR NOT arg_COMMAND OR NOT arg_TIMEOUT)
        message(FATAL_ERROR "tavelo_add_test needs NAME, COMMAND and TIMEOUT")
    endif()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
    set(environment ${TAVELO_TEST_ENV} ${arg_ENVIRONMENT})
    set_tests_properties(${arg_NAME} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${arg_TIMEOUT})
    if(arg_LABELS)
        set_tests_properties(${arg_NAME} PROPERTIES LABELS "${arg_LABELS}")
    endif()
endfunction()
