# -DZEL_FUZZ=ON: everything built with the address and undefined-behaviour sanitizers
# (so the code under test is checked, not only the driver), and under clang the ADIF
# fuzz target `import_fuzz` built with libFuzzer for long runs by hand (README).
option(ZEL_FUZZ "Build with -fsanitize=address,undefined, and the libFuzzer ADIF target under clang" OFF)
if(ZEL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()
