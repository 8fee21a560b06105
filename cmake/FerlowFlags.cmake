# Compiler flags, set on each of the project's targets rather than for the whole
# tree: ferlow_flags(TARGET) after every add_library and add_executable.
#   - warnings everywhere; errors where FERLOW_WERROR is on (the test build);
#   - AddressSanitizer and UndefinedBehaviorSanitizer where FERLOW_SANITIZE is on,
#     with float-cast-overflow, which GCC leaves out of "undefined": a double too
#     large for the whole type it is cast to would pass unnoticed.
option(FERLOW_WERROR "Treat compiler warnings as errors" OFF)
option(FERLOW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(ferlow_flags target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(FERLOW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(FERLOW_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow
      -fno-omit-frame-pointer -fno-sanitize-recover=undefined,float-cast-overflow)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow)
  endif()
endfunction()
