# Cross-build for 64-bit Windows with Debian's MinGW-w64 (posix threads), run under Wine.
#   cmake -S . -B build-win --toolchain tools/windows/toolchain.cmake -DREROVUZ_WIN_DEPS=<prefix>
# where <prefix> is what tools/windows/dependencies.sh prints: SDL2, SDL2_image, libmpg123,
# kissfft and GoogleTest built static from Debian's sources.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# ctest runs the Windows test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# Libraries and headers come from the MinGW sysroot and the dependency prefix only, never
# from the host's /usr.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES REROVUZ_WIN_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${REROVUZ_WIN_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(REROVUZ_WIN_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} ${REROVUZ_WIN_DEPS}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
    # The libraries are static: pkg-config must name what they link against in turn.
    set(PKG_CONFIG_ARGN --static)
endif()

# Fully static: the programs import nothing but the DLLs every Windows has (no
# libwinpthread-1.dll, libstdc++-6.dll or libgcc_s beside them).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
