# SPDX-FileCopyrightText: The Vantrell developers
# SPDX-License-Identifier: MIT

# Copies every file under SOURCE to DEST unless DEST already has a file of that name.
file(GLOB_RECURSE delivered RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(name IN LISTS delivered)
    if(NOT EXISTS ${DEST}/${name})
        get_filename_component(dir ${DEST}/${name} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${SOURCE}/${name} ${DEST}/${name})
    endif()
endforeach()
