# tlmr_add_feature_module(<name> <entry source> <library> <Qt libraries>...)
# The module file <name>.so beside the program: <library>'s archive and the
# module's entry point. Code of calc, widgets and platform is not linked in:
# the program holds all of it and exports its symbols, so the module uses the
# program's one copy (one application object, one dialog service).
function(tlmr_add_feature_module name source library)
  add_library(${name} MODULE ${source})
  target_link_libraries(${name} PRIVATE $<TARGET_FILE:${library}> ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_dependencies(${name} ${library})
  # Every symbol is bound when the module loads: a mismatch with the program
  # fails there, with a message, not later in the middle of a command.
  target_link_options(${name} PRIVATE LINKER:-z,now)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    AUTOMOC OFF
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  set_property(GLOBAL APPEND PROPERTY TLMR_FEATURE_MODULES ${name})
endfunction()
