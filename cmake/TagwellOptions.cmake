# Build options every target of ours shares.
function(tagwell_options target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    # Wire bytes and user text must not mix by accident.
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_BYTEARRAY QT_NO_CAST_FROM_ASCII
                                                 QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)
endfunction()

# A static library of one src/ folder: every .cpp in it, headers found as "folder/File.h".
function(tagwell_library name)
    cmake_parse_arguments(arg "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
    tagwell_options(${name})
endfunction()
