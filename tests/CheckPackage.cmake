# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, unpacks it into a scratch root without
# installing anything, and runs the unpacked kestrano-cli from an empty
# folder: it must find the packaged dictionaries on its own and transcribe
# with them exactly as the built tool does with the source tree's files.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DBUILT_CLI=... -DVERSION=...
#         -P CheckPackage.cmake

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
        ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command} failed (${result}):\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/root" "${WORK_DIR}/empty")
run("${CMAKE_CPACK_COMMAND}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${WORK_DIR}")
run(dpkg --print-architecture)
string(STRIP "${out}" architecture)
set(deb "${WORK_DIR}/kestrano_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${WORK_DIR}/*.deb")
    message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# dpkg-shlibdeps found the libraries; espeak-ng's data is named, speech and
# Qt's translations are recommended by name.
run(dpkg-deb --field "${deb}" Depends Recommends)
foreach(needed "Depends: .*espeak-ng-data.*libc6 .*libespeak-ng1 .*libqt6core6 .*libqt6widgets6"
        "\nRecommends: qt6-speech-flite-plugin, qt6-translations-l10n\n")
    if(NOT out MATCHES "${needed}")
        message(FATAL_ERROR "the package's control fields lack ${needed}:\n${out}")
    endif()
endforeach()

run(dpkg-deb -x "${deb}" "${WORK_DIR}/root")
foreach(path
        bin/kestrano bin/kestrano-cli
        share/kestrano/data/lexora_eng_transcription.txt
        share/kestrano/data/american_transcription-abridged.txt
        share/kestrano/data/homographs.txt
        share/applications/kestrano.desktop
        share/icons/hicolor/scalable/apps/kestrano.svg
        share/icons/hicolor/64x64/apps/kestrano.png
        share/metainfo/com.brightfern.kestrano.metainfo.xml
        share/man/man1/kestrano.1.gz share/man/man1/kestrano-cli.1.gz
        share/doc/kestrano/copyright share/doc/kestrano/changelog.gz)
    if(NOT EXISTS "${WORK_DIR}/root/usr/${path}")
        message(FATAL_ERROR "the package lacks /usr/${path}")
    endif()
endforeach()

# A text whose every word is in both dictionaries, fed on standard input so
# that the working folder stays empty.
file(WRITE "${WORK_DIR}/text.txt"
    "Her car is parked near the old theatre.\nWould you like a cup of tea?\n")
foreach(variety british:lexora_eng_transcription american:american_transcription-abridged)
    string(REPLACE ":" ";" variety "${variety}")
    list(GET variety 0 option)
    list(GET variety 1 file)
    execute_process(COMMAND "${WORK_DIR}/root/usr/bin/kestrano-cli" --${option} --text
        WORKING_DIRECTORY "${WORK_DIR}/empty" INPUT_FILE "${WORK_DIR}/text.txt"
        RESULT_VARIABLE result OUTPUT_VARIABLE unpacked ERROR_VARIABLE err)
    if(NOT result EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "the unpacked kestrano-cli --${option} failed (${result}): ${err}")
    endif()
    execute_process(COMMAND "${BUILT_CLI}" --dictionary "${SOURCE_DIR}/data/${file}.txt" --text
        INPUT_FILE "${WORK_DIR}/text.txt" OUTPUT_VARIABLE built COMMAND_ERROR_IS_FATAL ANY)
    if(NOT unpacked STREQUAL built)
        message(FATAL_ERROR "--${option} from the package:\n${unpacked}\n"
            "differs from the source tree's ${file}.txt:\n${built}")
    endif()
    # Two sentences, each transcribed whole: no word came back in brackets.
    if(NOT unpacked MATCHES "^[^\n]+\n/[^()\n]+/\n\n[^\n]+\n/[^()\n]+/\n$")
        message(FATAL_ERROR "--${option} transcribed the text badly:\n${unpacked}")
    endif()
    set(${option} "${unpacked}")
endforeach()
if(british STREQUAL american)
    message(FATAL_ERROR "British and American transcriptions are the same:\n${british}")
endif()
# The homograph table beside the packaged dictionaries is read with them.
file(WRITE "${WORK_DIR}/homograph.txt" "She'd read it.\n")
execute_process(COMMAND "${WORK_DIR}/root/usr/bin/kestrano-cli" --british --text --no-original
    WORKING_DIRECTORY "${WORK_DIR}/empty" INPUT_FILE "${WORK_DIR}/homograph.txt"
    OUTPUT_VARIABLE read COMMAND_ERROR_IS_FATAL ANY)
if(NOT read MATCHES " red ")
    message(FATAL_ERROR "the unpacked kestrano-cli did not read the homograph table: ${read}")
endif()
# A name that neither dictionary holds is guessed with the system's espeak-ng.
file(WRITE "${WORK_DIR}/name.txt" "Okafor\n")
execute_process(COMMAND "${WORK_DIR}/root/usr/bin/kestrano-cli" --british --guess --words
    WORKING_DIRECTORY "${WORK_DIR}/empty" INPUT_FILE "${WORK_DIR}/name.txt"
    RESULT_VARIABLE result OUTPUT_VARIABLE guessed ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT guessed STREQUAL "Okafor\t(ˈɒkæfə)\n")
    message(FATAL_ERROR "the unpacked kestrano-cli --guess gave (${result}): ${guessed}${err}")
endif()
file(GLOB left "${WORK_DIR}/empty/*")
if(left)
    message(FATAL_ERROR "kestrano-cli wrote into its working folder: ${left}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
