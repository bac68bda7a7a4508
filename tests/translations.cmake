# SPDX-FileCopyrightText: The Vantrell developers
# SPDX-License-Identifier: MIT

# Brings a copy of every file of words up to date with the code and the desktop's files, as
# update-translations would, and fails on any word still to translate or any the game no longer has.
file(GLOB ts_files ${SOURCE}/translations/vantrell_*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${SOURCE}/translations")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${WORDS} --extract ${ENGLISH} ${WORK}/desktop_words.cpp
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "vantrell-words could not hand over the desktop's words")
endif()
set(faults "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    execute_process(COMMAND ${LUPDATE} -silent -locations none src tools/graphics
                            ${WORK}/desktop_words.cpp -ts ${WORK}/${name}
                    WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(READ ${WORK}/${name} words)
    # Each message on one line, so that the faulty ones can be named by their English.
    string(REPLACE "\n" " " words "${words}")
    string(REPLACE "<message" "\n<message" words "${words}")
    string(REGEX MATCHALL "<source>[^\n]*type=\"(unfinished|vanished|obsolete)\"" unfinished
           "${words}")
    foreach(entry IN LISTS unfinished)
        string(REGEX REPLACE "</source>.*type=\"([a-z]+)\".*" " (\\1)" entry "${entry}")
        string(APPEND faults "\n  ${name}: ${entry}")
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Words to translate or to remove:${faults}")
endif()
