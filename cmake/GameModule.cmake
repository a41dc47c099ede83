# quintel_add_module(NAME SOURCE LIBRARY): a module the game loads when first needed (see ModuleLoader).
# Only its entry is exported, what it links stays inside it, and it installs beside the other modules.
# Static libraries linked into a module need position-independent code.
function(quintel_add_module name source library)
  add_library(${name} MODULE ${source})
  target_link_libraries(${name} PRIVATE ${library})
  set_target_properties(${name} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  install(TARGETS ${name} LIBRARY DESTINATION ${QUINTEL_INSTALL_MODULEDIR})
endfunction()
