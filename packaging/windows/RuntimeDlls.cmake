# Run at install time: finds every DLL that the given programs and plugins import, directly or
# through another DLL, in the given folders, and installs it beside the program. Windows' own
# DLLs are in none of the folders and stay out.
# CMake's file(GET_RUNTIME_DEPENDENCIES) cannot be used in a cross-build: for a Windows target
# it lower-cases every imported name ("qt6core.dll") and then looks for that exact name, which a
# case-sensitive file system does not have. Names are matched here without regard to case.
#   PARSELLA_OBJDUMP        MinGW's objdump
#   PARSELLA_DLL_IMPORTERS  the program and its plugins
#   PARSELLA_DLL_DIRS       where the Qt and MinGW runtime DLLs are
#   PARSELLA_DLL_MINIMUM    fewer DLLs than this means the search went wrong

set(available)
foreach(dir IN LISTS PARSELLA_DLL_DIRS)
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED "found_${key}") # the first folder named wins, as on Windows' search path
            set("found_${key}" "${dll}")
        endif()
    endforeach()
endforeach()

set(queue ${PARSELLA_DLL_IMPORTERS})
set(result)
while(queue)
    list(POP_FRONT queue module)
    execute_process(COMMAND "${PARSELLA_OBJDUMP}" -p "${module}" OUTPUT_VARIABLE imports RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${PARSELLA_OBJDUMP} could not read ${module}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${imports}")
    foreach(line IN LISTS names)
        string(REPLACE "DLL Name: " "" name "${line}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" key)
        list(FIND result "${found_${key}}" seen)
        if(DEFINED "found_${key}" AND seen EQUAL -1)
            list(APPEND result "${found_${key}}")
            list(APPEND queue "${found_${key}}")
        endif()
    endforeach()
endwhile()

list(LENGTH result count)
if(count LESS PARSELLA_DLL_MINIMUM)
    message(FATAL_ERROR "only ${count} runtime DLLs found for the program: ${result}")
endif()
file(INSTALL ${result} DESTINATION "${CMAKE_INSTALL_PREFIX}")
