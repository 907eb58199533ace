# Fixed modes in the zip, the .deb and the source package, whatever the
# builder's umask (which masks the modes that install and CPack ask for, and
# those of the checkout). CPack runs this script twice: once it has staged
# what it packs, every folder and executable there gets mode 755, every other
# file 644; once it has made the
# packages, the members of each .deb (debian-binary, control and data) get
# mode 644 in their ar headers.
if(NOT CPACK_PACKAGE_FILES)
    file(GLOB_RECURSE zomar_staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
    foreach(path "${CPACK_TEMPORARY_DIRECTORY}" ${zomar_staged})
        if(IS_SYMLINK "${path}")
            continue()
        endif()
        # The source package carries its time stamp, as git archive's does.
        if(path MATCHES "/packaging/source-date$")
            file(WRITE "${path}" "$ENV{SOURCE_DATE_EPOCH}\n")
        endif()
        execute_process(COMMAND test -x "${path}" RESULT_VARIABLE zomar_plain)
        if(zomar_plain)
            file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        else()
            file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                             WORLD_EXECUTE)
        endif()
    endforeach()
    return()
endif()

# An ar member's header: name (16), time (12), owner (6), group (6), mode
# (8, octal), size (10), magic (2); its data follows, padded to even size.
set(zomar_mode "${CPACK_TOPLEVEL_DIRECTORY}/ar-mode")
file(WRITE "${zomar_mode}" "100644  ")
foreach(package ${CPACK_PACKAGE_FILES})
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${package}" zomar_total)
    set(zomar_at 8) # after "!<arch>\n"
    while(zomar_at LESS zomar_total)
        file(READ "${package}" zomar_header OFFSET ${zomar_at} LIMIT 60)
        string(SUBSTRING "${zomar_header}" 48 10 zomar_size)
        string(STRIP "${zomar_size}" zomar_size)
        if(NOT zomar_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${package}: no ar member at offset ${zomar_at}")
        endif()
        math(EXPR zomar_mode_at "${zomar_at} + 40")
        execute_process(COMMAND dd "of=${package}" bs=1 seek=${zomar_mode_at} conv=notrunc status=none
                        INPUT_FILE "${zomar_mode}" COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR zomar_at "${zomar_at} + 60 + ${zomar_size} + ${zomar_size} % 2")
    endwhile()
endforeach()
