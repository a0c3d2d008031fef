# cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DCORE_SOURCES=<file listing the core's files>
#       -P check_core_includes.cmake
#
# Fails when a file of the core library includes anything beyond the core:
# a project header that is not one of the core's own files, a form of the GUI
# side (ui_*.h), or a header of a Qt module other than Core and Sql.
file(STRINGS "${CORE_SOURCES}" listed_files)
# The files of the source tree; what the build generates is left out.
set(core_files "")
foreach(file IN LISTS listed_files)
    string(FIND "${file}" "${SOURCE_DIR}/" in_sources)
    string(FIND "${file}" "${BINARY_DIR}/" in_build)
    if(in_sources EQUAL 0 AND NOT in_build EQUAL 0)
        list(APPEND core_files "${file}")
    endif()
endforeach()
set(core_headers "")
foreach(file IN LISTS core_files)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
    list(APPEND core_headers "${relative}")
endforeach()

set(violations "")
foreach(file IN LISTS core_files)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
        if(line MATCHES "\"")
            list(FIND core_headers "${header}" found)
            if(found EQUAL -1)
                list(APPEND violations "${relative} includes \"${header}\", which is not a file of the core")
            endif()
        elseif(header MATCHES "^Qt(Gui|Widgets|Multimedia|MultimediaWidgets|Network|Test)/")
            list(APPEND violations "${relative} includes <${header}> of a Qt module beyond Core and Sql")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n" message)
    message(FATAL_ERROR "The core includes the GUI side:\n${message}")
endif()
list(LENGTH core_files count)
message(STATUS "${count} files of the core include only the core, Qt Core and Qt Sql")
