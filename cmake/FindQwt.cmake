# Finds Qwt built for Qt 6 and provides the imported target Qwt::Qwt.
#
# Searched, in order: the QWT_ROOT variable or environment variable, the
# bootstrap's cache prefix (~/.cache/zelgui/qwt or $ZELGUI_CACHE/qwt), then
# the system paths of a distribution package built for Qt 6.
#
# Sets Qwt_FOUND, Qwt_VERSION, Qwt_INCLUDE_DIR and Qwt_LIBRARY.

set(_qwt_hints)
foreach(_root IN ITEMS "${QWT_ROOT}" "$ENV{QWT_ROOT}" "$ENV{ZELGUI_CACHE}/qwt")
    if(_root AND NOT _root STREQUAL "/qwt")
        list(APPEND _qwt_hints "${_root}")
    endif()
endforeach()
if(DEFINED ENV{XDG_CACHE_HOME})
    list(APPEND _qwt_hints "$ENV{XDG_CACHE_HOME}/zelgui/qwt")
endif()
if(DEFINED ENV{HOME})
    list(APPEND _qwt_hints "$ENV{HOME}/.cache/zelgui/qwt")
endif()

find_path(Qwt_INCLUDE_DIR qwt_global.h
    HINTS ${_qwt_hints}
    PATH_SUFFIXES include include/qwt-qt6 include/qwt6-qt6 include/qt6/qwt)
find_library(Qwt_LIBRARY NAMES qwt-qt6 qwt6-qt6 qwt
    HINTS ${_qwt_hints}
    PATH_SUFFIXES lib lib64)

if(Qwt_INCLUDE_DIR AND EXISTS "${Qwt_INCLUDE_DIR}/qwt_global.h")
    file(STRINGS "${Qwt_INCLUDE_DIR}/qwt_global.h" _qwt_version_line
         REGEX "^#define[ \t]+QWT_VERSION_STR[ \t]+\"[0-9.]+\"")
    string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" Qwt_VERSION "${_qwt_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt
    REQUIRED_VARS Qwt_LIBRARY Qwt_INCLUDE_DIR
    VERSION_VAR Qwt_VERSION)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
    if(NOT TARGET Qt6::Widgets)
        find_package(Qt6 REQUIRED COMPONENTS Widgets)
    endif()
    add_library(Qwt::Qwt SHARED IMPORTED)
    set_target_properties(Qwt::Qwt PROPERTIES
        IMPORTED_LOCATION "${Qwt_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Qwt_INCLUDE_DIR}"
        # Qwt's headers need QWT_DLL to import from the shared library.
        INTERFACE_COMPILE_DEFINITIONS QWT_DLL
        INTERFACE_LINK_LIBRARIES Qt6::Widgets)
endif()
mark_as_advanced(Qwt_INCLUDE_DIR Qwt_LIBRARY)
