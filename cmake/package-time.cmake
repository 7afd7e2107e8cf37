# Read by CPack before it packages: the zip's files take the time of the commit they are built from, not
# the clock's, so that every build of one commit gives the same zip byte for byte.
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/..
                OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
if(failed)
    message(WARNING "No commit to take the files' time from: the zip holds the clock's times.")
else()
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
endif()
# A zip's times are local times: in UTC, builds in any time zone write the same ones.
set(ENV{TZ} UTC0)
