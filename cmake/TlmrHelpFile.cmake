# The help file: kept in resources/, copied beside every program that reads it
# from its own directory. The program knows its name from ProductInfo.h.
set(TLMR_HELP_FILE_NAME tlmr.hlp)
set(TLMR_HELP_FILE_SOURCE ${PROJECT_SOURCE_DIR}/resources/${TLMR_HELP_FILE_NAME})

# tlmr_copy_help_file(<target>): puts the help file beside <target>'s executable
# after each build (for tests whose program directory is their own folder).
function(tlmr_copy_help_file target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TLMR_HELP_FILE_SOURCE}
            $<TARGET_FILE_DIR:${target}>/${TLMR_HELP_FILE_NAME}
    VERBATIM)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TLMR_HELP_FILE_SOURCE})
endfunction()
