# Run by CPack after it has staged the package's files: strips every program
# of usr/bin as Debian's dh_strip strips executables, the symbols and the
# .comment and .note sections (the build id stays).
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*)
if(NOT programs)
    message(FATAL_ERROR "no programs to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program ${programs})
    execute_process(COMMAND ${CPACK_ZORBIKS_STRIP} --remove-section=.comment
                            --remove-section=.note ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
