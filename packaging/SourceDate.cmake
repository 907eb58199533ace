# Reproducible builds: one timestamp, derived from the source, stamps every
# artefact, the same for a checkout of any owner and for the release tarball
# wherever it is unpacked. It is, in this order:
# - SOURCE_DATE_EPOCH, when set;
# - the commit's time that `git archive` wrote into packaging/source-date
#   (a release tarball: export-subst in .gitattributes);
# - the time of the last commit, when the source is a git work tree of its
#   own (a checkout of another user's is read all the same);
# - the date of the Debian changelog's latest entry (a tree without git).
# A failing git is an error, never a silent change of the stamp. The tools
# read the stamp from the environment: MinGW's linker and strip for the PE
# time stamp, CPack for the times in the zip and the .deb.

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/source-date" zomar_archived_date LIMIT_COUNT 1)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZOMAR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(zomar_archived_date MATCHES "^[0-9]+$")
    set(ZOMAR_SOURCE_DATE_EPOCH "${zomar_archived_date}")
else()
    find_package(Git QUIET)
    # Whether this source is the top of a work tree: a tree unpacked inside
    # another repository is not, and that repository's commits are not ours.
    set(zomar_in_git FALSE)
    if(GIT_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
        set(zomar_git "${GIT_EXECUTABLE}" -c "safe.directory=${PROJECT_SOURCE_DIR}" -C "${PROJECT_SOURCE_DIR}")
        execute_process(COMMAND ${zomar_git} rev-parse --absolute-git-dir
                        OUTPUT_VARIABLE zomar_git_dir ERROR_VARIABLE zomar_git_error RESULT_VARIABLE zomar_git_failed
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT zomar_git_failed)
            execute_process(COMMAND ${zomar_git} log -1 --format=%ct
                            OUTPUT_VARIABLE ZOMAR_SOURCE_DATE_EPOCH ERROR_VARIABLE zomar_git_error
                            RESULT_VARIABLE zomar_git_failed OUTPUT_STRIP_TRAILING_WHITESPACE)
        endif()
        if(zomar_git_failed)
            message(FATAL_ERROR "No time stamp for the build: git failed in ${PROJECT_SOURCE_DIR}: ${zomar_git_error}"
                                "Set SOURCE_DATE_EPOCH to build without git.")
        endif()
        set(zomar_in_git TRUE)
        # A new commit is a new time stamp: configure again when HEAD moves.
        if(EXISTS "${zomar_git_dir}/logs/HEAD")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${zomar_git_dir}/logs/HEAD")
        endif()
    endif()
    if(NOT zomar_in_git)
        file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/debian/changelog" zomar_signature REGEX "^ -- .*>  " LIMIT_COUNT 1)
        string(REGEX REPLACE "^ -- .*>  " "" zomar_date "${zomar_signature}")
        execute_process(COMMAND date -d "${zomar_date}" +%s
                        OUTPUT_VARIABLE ZOMAR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
        message(STATUS "Time stamp: the Debian changelog's date (no git work tree, no SOURCE_DATE_EPOCH)")
    endif()
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/source-date")
if(NOT ZOMAR_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No time stamp for the build: set SOURCE_DATE_EPOCH")
endif()

# Executables are linked with it (a launcher sets it for the linker only).
if(WIN32)
    set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND}" -E env "SOURCE_DATE_EPOCH=${ZOMAR_SOURCE_DATE_EPOCH}")
endif()
