# Reproducible builds: one timestamp, derived from the source, stamps every
# artefact. It is SOURCE_DATE_EPOCH when set, otherwise the time of the last
# commit, otherwise the date of the Debian changelog's latest entry (a tree
# without git). The tools read it from the environment: MinGW's linker and
# strip for the PE time stamp, CPack for the times in the zip and the .deb.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZOMAR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
                        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                        OUTPUT_VARIABLE ZOMAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --absolute-git-dir
                        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                        OUTPUT_VARIABLE zomar_git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        # A new commit is a new time stamp: configure again when HEAD moves.
        if(EXISTS "${zomar_git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${zomar_git_dir}/logs/HEAD")
        endif()
    endif()
    if(NOT ZOMAR_SOURCE_DATE_EPOCH)
        file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/debian/changelog" zomar_signature REGEX "^ -- .*>  " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" zomar_date "${zomar_signature}")
        execute_process(COMMAND date -d "${zomar_date}" +%s
                        OUTPUT_VARIABLE ZOMAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
endif()
if(NOT ZOMAR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No time stamp for the build: set SOURCE_DATE_EPOCH")
endif()

# Executables are linked with it (a launcher sets it for the linker only).
if(WIN32)
    set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND}" -E env "SOURCE_DATE_EPOCH=${ZOMAR_SOURCE_DATE_EPOCH}")
endif()
