# Installs the built tree into a scratch prefix, builds and runs the consumer against it,
# and compiles it again with the pkg-config flags. Arguments: see consumer_package in ../CMakeLists.txt.

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(REPLACE ";" " " cmd "${ARGN}")
        message(FATAL_ERROR "failed (${rc}): ${cmd}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
# The installed Designer plugin finds the installed library, not the built one.
if(DESIGNER_PLUGIN_DIR)
    set(plugin "${prefix}/${DESIGNER_PLUGIN_DIR}/libZelGuiDesigner.so")
    if(NOT EXISTS "${plugin}")
        message(FATAL_ERROR "the Designer plugin is not installed at ${plugin}")
    endif()
    find_program(LDD ldd)
    if(LDD)
        run(${LDD} "${plugin}")
        string(REGEX MATCH "libZelGui\\.so[^\n]*" zelgui_line "${run_output}")
        file(REAL_PATH "${prefix}" real_prefix)
        string(REGEX REPLACE ".*=> ([^ ]+).*" "\\1" zelgui_path "${zelgui_line}")
        file(REAL_PATH "${zelgui_path}" zelgui_path)
        string(FIND "${zelgui_path}" "${real_prefix}/" at)
        if(NOT at EQUAL 0)
            message(FATAL_ERROR "the installed Designer plugin loads '${zelgui_line}', not the installed library")
        endif()
    endif()
endif()

run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build" -G Ninja
    "-DCMAKE_PREFIX_PATH=${prefix}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run("${WORK_DIR}/build/zelgui_consumer")
message(STATUS "${run_output}")

# The pkg-config file gives a plain compiler line everything it needs.
find_program(PKG_CONFIG pkg-config)
find_program(CXX NAMES c++ g++)
if(PKG_CONFIG AND CXX)
    set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
    run(${PKG_CONFIG} --variable=qwtlibdir zelgui)
    string(STRIP "${run_output}" qwtlibdir)
    run(${PKG_CONFIG} --cflags --libs zelgui)
    string(STRIP "${run_output}" flags)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS} ${LINKER_FLAGS}")
    run(${CXX} -std=c++17 -fPIC ${extra} "${SOURCE_DIR}/main.cpp" -o "${WORK_DIR}/pkgconfig_consumer" ${flags}
        "-Wl,-rpath,${prefix}/lib:${qwtlibdir}")
    run("${WORK_DIR}/pkgconfig_consumer")
endif()
