# Debian's hardening flags, as Debian builds its own packages: the flags of
# dpkg-buildflags with every hardening feature (fortified libc calls, the
# stack protector, format checks, relocations read-only and resolved at
# start). The build type keeps its own -O and -g; build paths stay out of
# the flags. Left out of the sanitizer build (ASan does its own checks and
# does not mix with _FORTIFY_SOURCE) and where dpkg-buildflags is missing.
option(ZORBIKS_DEBIAN_FLAGS "Build with Debian's hardening flags (dpkg-buildflags)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(ZORBIKS_DEBIAN_FLAGS AND DPKG_BUILDFLAGS AND NOT ZORBIKS_SANITIZE)
    set(ZORBIKS_DEBIAN_FLAG_LIST)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(g|O[0-3sz]?|ffile-prefix-map=.*)$")
        if(kind STREQUAL LDFLAGS)
            add_link_options(${flags})
        else()
            # _FORTIFY_SOURCE needs the optimiser: not in a Debug build.
            foreach(flag ${flags})
                if(flag MATCHES "^-D_FORTIFY_SOURCE")
                    add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
                else()
                    add_compile_options(${flag})
                endif()
            endforeach()
        endif()
        list(APPEND ZORBIKS_DEBIAN_FLAG_LIST ${flags})
    endforeach()
    message(STATUS "Debian's build flags: ${ZORBIKS_DEBIAN_FLAG_LIST}")
endif()
