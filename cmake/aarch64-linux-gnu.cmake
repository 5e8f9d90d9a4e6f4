# Cross build for 64-bit ARM Linux with Debian's cross toolchain (crossbuild-essential-arm64).
# GCC unless the compilers are named: -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
# compiles with Clang for the same target, linking with the cross toolchain's binutils and
# libraries. Tests and other target programs run under qemu-user (package qemu-user), which
# finds the target's loader and libraries in /usr/aarch64-linux-gnu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(tubeline_triple aarch64-linux-gnu)

if(NOT CMAKE_C_COMPILER)
  set(CMAKE_C_COMPILER ${tubeline_triple}-gcc)
endif()
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER ${tubeline_triple}-g++)
endif()
# Read by Clang only.
set(CMAKE_C_COMPILER_TARGET ${tubeline_triple})
set(CMAKE_CXX_COMPILER_TARGET ${tubeline_triple})

# Headers, libraries and packages only from the target's tree; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${tubeline_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config sees only the target's .pc files, so a library installed for the build machine
# alone (xraylib) is reported missing instead of being linked into target programs.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${tubeline_triple}/pkgconfig:/usr/share/pkgconfig)

# The loader searches /lib/aarch64-linux-gnu first; where the arm64 C library is installed
# there too (libc6:arm64, for its iconv modules), a C library of another build than the cross
# loader's would be loaded, which hangs in thread start. The cross tree's libraries go first.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/${tubeline_triple}
  -E LD_LIBRARY_PATH=/usr/${tubeline_triple}/lib)
