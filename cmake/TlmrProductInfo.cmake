# tlmr_generate_product_info(<target>): writes platform/ProductInfo.h from its
# template with the project's version, and lets <target> and its users include
# it as "platform/ProductInfo.h". The version shows as 1.3.00: major, minor and
# a two-digit patch.
function(tlmr_generate_product_info target)
  set(patch ${PROJECT_VERSION_PATCH})
  string(LENGTH "${patch}" patch_length)
  if(patch_length LESS 2)
    set(patch "0${patch}")
  endif()
  set(TLMR_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${patch}")
  set(generated ${PROJECT_BINARY_DIR}/generated)
  configure_file(${PROJECT_SOURCE_DIR}/platform/ProductInfo.h.in
                 ${generated}/platform/ProductInfo.h @ONLY)
  target_sources(${target} PRIVATE ${generated}/platform/ProductInfo.h)
  target_include_directories(${target} PUBLIC ${generated})
endfunction()
