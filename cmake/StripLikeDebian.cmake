# Run by CPack after it has staged the package's files: strips the programs
# of usr/bin and the modules of usr/lib/zorbiks/modules as Debian's dh_strip
# strips executables and shared libraries: the symbols (a module keeps those
# it is linked by) and the .comment and .note sections (the build id stays).
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
file(GLOB programs ${staged}/usr/bin/*)
file(GLOB modules ${staged}/usr/lib/zorbiks/modules/*.so)
if(NOT programs)
    message(FATAL_ERROR "no programs to strip in ${staged}/usr/bin")
endif()
foreach(program ${programs})
    execute_process(COMMAND ${CPACK_ZORBIKS_STRIP} --remove-section=.comment
                            --remove-section=.note ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
foreach(module ${modules})
    execute_process(COMMAND ${CPACK_ZORBIKS_STRIP} --strip-unneeded --remove-section=.comment
                            --remove-section=.note ${module} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
