# Compiler settings shared by every target of the project.

if(VELDRIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Our own code: all warnings on; errors in the test command's builds, which
# turn VELDRIX_WERROR on. Off by default, so that a compiler newer than the
# ones CI knows cannot stop anyone else's build.
function(veldrix_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${VELDRIX_WERROR}>:-Werror>)
endfunction()

# Plug-ins (drivers, modules, test libraries) are plain C ABI shared libraries:
# nothing undefined at link time, only the names in the version script exported.
function(veldrix_plugin target version_script)
  set_target_properties(${target} PROPERTIES PREFIX "" C_VISIBILITY_PRESET hidden
                                             CXX_VISIBILITY_PRESET hidden)
  target_compile_options(${target} PRIVATE -fexceptions)
  target_link_options(${target} PRIVATE -Wl,-z,defs -Wl,--version-script=${version_script})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${version_script})
  veldrix_strict(${target})
endfunction()

# Fuzz builds instrument everything they link for coverage and memory errors.
if(VELDRIX_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
