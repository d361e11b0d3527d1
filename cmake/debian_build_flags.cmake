# The optimized builds (Release, and so the Debian package; RelWithDebInfo and MinSizeRel too)
# take the flags Debian builds its packages with: dpkg-buildflags with every hardening feature
# on, or, without dpkg-dev, the same
# hardening as a fixed set. Its optimization and debugging flags are dropped, as the build
# type sets those. Not for sanitized or fuzzing builds, whose run-time checks do the work and
# clash with _FORTIFY_SOURCE.

if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   OR CONTEGGO_SANITIZE OR CONTEGGO_FUZZ)
    return()
endif()

set(debian_cppflags -D_FORTIFY_SOURCE=2)
set(debian_cxxflags -fstack-protector-strong -Wformat -Werror=format-security)
set(debian_ldflags -Wl,-z,relro -Wl,-z,now)

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            # No source-path mapping: it would put the clone's folder into every compile line,
            # and a clone elsewhere could not reuse the compiler cache.
            COMMAND ${CMAKE_COMMAND} -E env
                    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
                    "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE status)
        if(status EQUAL 0)
            string(TOLOWER debian_${kind} name)
            separate_arguments(${name} UNIX_COMMAND "${flags}")
        endif()
    endforeach()
endif()

add_compile_options(${debian_cppflags} ${debian_cxxflags})
add_link_options(${debian_ldflags})
string(JOIN " " shown ${debian_cppflags} ${debian_cxxflags} ${debian_ldflags})
message(STATUS "Debian build flags: ${shown}")
