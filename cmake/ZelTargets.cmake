# Helpers shared by every target of the project.

# Warnings and the string hygiene every target of ours compiles with.
function(zel_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_BYTEARRAY
        QT_NO_URL_CAST_FROM_STRING
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_USE_QSTRINGBUILDER)
endfunction()

# zel_add_shared_library(<name> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
#
# A versioned shared library with its public headers in include/<name>/
# beside the calling CMakeLists.txt, an export header <name>/<name>_export.h
# (macro <NAME>_EXPORT), the alias ZelGui::<name>, and install rules that put
# it into the ZelGui package.
function(zel_add_shared_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    string(TOUPPER "${name}" upper)
    string(TOLOWER "${name}" lower)

    add_library(${name} SHARED ${ARG_SOURCES})
    add_library(ZelGui::${name} ALIAS ${name})
    generate_export_header(${name}
        BASE_NAME ${upper}
        EXPORT_FILE_NAME "${CMAKE_CURRENT_BINARY_DIR}/include/${name}/${lower}_export.h")
    target_include_directories(${name} PUBLIC
        "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>"
        "$<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>")
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    set_target_properties(${name} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        EXPORT_NAME ${name})
    zel_target_defaults(${name})

    install(TARGETS ${name} EXPORT ZelGuiTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(DIRECTORY include/${name} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/include/${name}/${lower}_export.h"
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${name})
endfunction()

# zel_add_test(<name> SOURCES ... [LIBS ...])
#
# A Qt Test program run by ctest on the offscreen platform. A Qt warning the
# test did not expect fails it (QT_FATAL_WARNINGS is not used: tests that
# expect a warning say so with QTest::ignoreMessage).
function(zel_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    zel_target_defaults(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ZELGUI_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# zel_add_benchmark(<name> SOURCES ... [LIBS ...])
#
# A Qt Test benchmark program. Not a ctest test: scripts/bench builds the
# benchmarks in Release and runs them. Each measure is one test function with
# a _data table of two rows, "ours" and "primitive" (the Qt or Qwt primitive
# the widget wraps, on the same data and size); scripts/bench pairs the rows
# and prints the ratio.
function(zel_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    zel_target_defaults(${name})
endfunction()
