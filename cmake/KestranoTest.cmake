# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

# kestrano_add_test(NAME SOURCES file... LIBRARIES lib...)
# Builds one test executable and registers it with CTest under NAME. GUI
# tests run on the offscreen platform so that they need no display.
function(kestrano_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    # Where the expected-value tables of tests/TableData.h are.
    target_compile_definitions(${name} PRIVATE
        KESTRANO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
