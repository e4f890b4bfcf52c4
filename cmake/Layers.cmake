# SPDX-FileCopyrightText: 2026 Dorwinkel
# SPDX-License-Identifier: GPL-3.0-or-later

# The source folders are layers: each is a static library (a folder with widgets adds a second
# one for them) that links only the layers below it. A library reaches headers through one
# include folder per layer it links, holding a link to that layer's source folder alone, so
# that including a header of a layer it does not link fails to compile.

# wellenwerk_layer(<target> <folder> [WIDGETS] SOURCES <files...> LINKS <targets...>)
# WIDGETS: a library of Qt widgets (moc runs over it); the others are plain C++.
function(wellenwerk_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "WIDGETS" "" "SOURCES;LINKS")
    add_library(${target} STATIC ${arg_SOURCES})
    if(NOT arg_WIDGETS)
        set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    endif()
    target_include_directories(${target} PUBLIC ${WELLENWERK_LAYER_ROOT_${folder}})
    target_link_libraries(${target} PUBLIC ${arg_LINKS})
endfunction()

# The include folder of every layer: <build>/layers/<folder>/<folder> -> src/<folder>. Where the
# file system has no symbolic links, every layer sees all of src/ (it builds, unchecked).
function(wellenwerk_layer_roots)
    foreach(folder ${ARGN})
        set(root ${PROJECT_BINARY_DIR}/layers/${folder})
        if(NOT IS_SYMLINK ${root}/${folder})
            file(MAKE_DIRECTORY ${root})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder}
                 RESULT failed SYMBOLIC)
            if(failed)
                message(STATUS "No symbolic links here: layer includes are not checked")
                set(root ${PROJECT_SOURCE_DIR}/src)
            endif()
        endif()
        set(WELLENWERK_LAYER_ROOT_${folder} ${root} PARENT_SCOPE)
    endforeach()
endfunction()
