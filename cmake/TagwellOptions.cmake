# Build options every target of ours shares.
function(tagwell_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wold-style-cast
                                             -Wnon-virtual-dtor -Woverloaded-virtual)
    # CI turns every warning into an error; a developer's build only shows them.
    if(TAGWELL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # Wire bytes and user text must not mix by accident.
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_BYTEARRAY QT_NO_CAST_FROM_ASCII
                                                 QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)
endfunction()

# The files of a src/ folder that its core library claimed, so that the windows library of the
# same folder leaves them alone.
function(tagwell_folder_sources out)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    get_directory_property(claimed TAGWELL_CORE_SOURCES)
    if(claimed)
        list(REMOVE_ITEM sources ${claimed})
    endif()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# A folder's windows library: every .cpp and .h in it that its core library did not claim.
# Headers are found as "folder/File.h".
function(tagwell_library name)
    cmake_parse_arguments(arg "" "" "DEPENDS" ${ARGN})
    tagwell_folder_sources(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
    tagwell_options(${name})
    set_property(GLOBAL APPEND PROPERTY TAGWELL_WINDOWS_HEADERS ${sources})
    set_property(GLOBAL PROPERTY TAGWELL_WINDOWS_LIBRARY_${name} TRUE)
endfunction()

# A folder's core library: the rules (commands, replies, analysis, conversion) with no widget.
# FILES names its classes ("Picture" for Picture.cpp and Picture.h); ALL takes the whole folder.
# It may use Qt Core and Gui, our link and other core libraries; tagwell_check_cores() refuses
# anything of QtWidgets.
function(tagwell_core_library name)
    cmake_parse_arguments(arg "ALL" "" "FILES;DEPENDS" ${ARGN})
    set(sources)
    if(arg_ALL)
        tagwell_folder_sources(sources)
    endif()
    foreach(class ${arg_FILES})
        foreach(ending cpp h)
            if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${class}.${ending})
                list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${class}.${ending})
            endif()
        endforeach()
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY TAGWELL_CORE_SOURCES ${sources})
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
    tagwell_options(${name})
    set_property(GLOBAL APPEND PROPERTY TAGWELL_CORES ${name})
endfunction()

# Everything a target links, following our own libraries and Qt's.
function(tagwell_linked_closure target out)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            list(APPEND pending ${aliased})
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(linked ${current} ${property})
            if(linked)
                list(APPEND pending ${linked})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Keeps the core libraries free of widgets: configuration fails when one links QtWidgets, and
# its build fails when one of its files includes a QtWidgets header or a windows library's
# header (checked again whenever a file of it changes).
function(tagwell_check_cores)
    get_target_property(widget_dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
    set(widgets_dir)
    foreach(dir ${widget_dirs})
        if(dir MATCHES "/QtWidgets$")
            set(widgets_dir ${dir})
        endif()
    endforeach()
    set(TAGWELL_WIDGETS_DIR ${widgets_dir} CACHE INTERNAL "QtWidgets' headers")
    get_property(windows_headers GLOBAL PROPERTY TAGWELL_WINDOWS_HEADERS)
    list(FILTER windows_headers INCLUDE REGEX "\\.h$")
    set(windows_list ${CMAKE_BINARY_DIR}/tagwell_windows_headers.txt)
    file(WRITE ${windows_list} "${windows_headers}")

    get_property(cores GLOBAL PROPERTY TAGWELL_CORES)
    foreach(core ${cores})
        tagwell_linked_closure(${core} linked)
        foreach(library Qt6::Widgets Qt::Widgets)
            if(library IN_LIST linked)
                message(FATAL_ERROR "${core} is a core library and must not link ${library}.")
            endif()
        endforeach()
        foreach(library ${linked})
            get_property(is_windows GLOBAL PROPERTY TAGWELL_WINDOWS_LIBRARY_${library})
            if(is_windows)
                message(FATAL_ERROR "${core} is a core library and must not link ${library}, "
                                    "a windows library.")
            endif()
        endforeach()
        get_target_property(sources ${core} SOURCES)
        set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${core}_includes.stamp)
        add_custom_command(OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DLIBRARY=${core} "-DSOURCES=${sources}"
                    -DWIDGETS_DIR=${widgets_dir} -DWINDOWS_LIST=${windows_list}
                    -DSOURCE_ROOT=${PROJECT_SOURCE_DIR}/src -DSTAMP=${stamp}
                    -P ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
            DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake ${windows_list}
            COMMENT "Checking that ${core} includes no widget"
            VERBATIM)
        add_custom_target(${core}_include_check DEPENDS ${stamp})
        add_dependencies(${core} ${core}_include_check)
    endforeach()
endfunction()
