# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks that a Linux desktop
# and the installed program find what they need there.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -DDATA_FROM_BIN=... -P CheckInstall.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
set(expected
    "${CMAKE_INSTALL_BINDIR}/kestrano"
    "${CMAKE_INSTALL_BINDIR}/kestrano-cli"
    "${CMAKE_INSTALL_DATADIR}/applications/kestrano.desktop"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/kestrano.svg"
    "${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps/kestrano.png"
)
# The program looks for data/ from its own folder; the data goes exactly there.
file(GLOB data_files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/data/*.txt" "${SOURCE_DIR}/data/LICENSES")
foreach(data_file IN LISTS data_files)
    list(APPEND expected "${CMAKE_INSTALL_BINDIR}/${DATA_FROM_BIN}/${data_file}")
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
foreach(program kestrano kestrano-cli)
    file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}"
        RESOLVED_DEPENDENCIES_VAR ignored UNRESOLVED_DEPENDENCIES_VAR unresolved)
    if(unresolved)
        message(FATAL_ERROR "${program} needs libraries that cannot be found: ${unresolved}")
    endif()
endforeach()

set(desktop_file "${PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/kestrano.desktop")
file(READ "${desktop_file}" entry)
foreach(line
        "Exec=\"${PREFIX}/${CMAKE_INSTALL_BINDIR}/kestrano\""
        "Icon=kestrano"
        "Type=Application")
    string(FIND "${entry}" "${line}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "kestrano.desktop lacks the line ${line}:\n${entry}")
    endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND "${validate}" "${desktop_file}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate rejects kestrano.desktop")
    endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
