# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

# KESTRANO_FUZZ builds the libFuzzer targets of tests/fuzz (see tools/fuzz).
# The whole project then carries the fuzzer's coverage hooks and the address
# and undefined-behaviour sanitizers, so that a fault stops the run where it
# happens rather than where its damage shows; only the targets link libFuzzer.
option(KESTRANO_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(KESTRANO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KESTRANO_FUZZ needs clang, not ${CMAKE_CXX_COMPILER_ID}: configure "
            "a new build folder with -DCMAKE_CXX_COMPILER=clang++ (or CXX=clang++).")
    endif()
    if(NOT KESTRANO_BUILD_TESTS)
        message(FATAL_ERROR "KESTRANO_FUZZ builds its targets under tests/: "
            "leave KESTRANO_BUILD_TESTS on.")
    endif()
    # The sanitizers themselves are added with KESTRANO_SANITIZE's.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
