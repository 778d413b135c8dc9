# Build for the web with Debian's Emscripten (WebAssembly, WebGL and Web Audio in the page):
#   cmake -S . -B build-web --toolchain tools/web/toolchain.cmake -DREROVUZ_WEB_DEPS=<prefix>
# where <prefix> is what tools/web/dependencies.sh prints: SDL2, SDL2_image, libmpg123,
# kissfft, GLU and gl4es built static. Run with tools/web/emscripten_env.sh sourced.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Libraries and headers come from Emscripten's system root and the dependency prefix only,
# never from the host's /usr.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES REROVUZ_WEB_DEPS)
list(APPEND CMAKE_FIND_ROOT_PATH ${REROVUZ_WEB_DEPS})
if(REROVUZ_WEB_DEPS)
    set(ENV{PKG_CONFIG_LIBDIR} ${REROVUZ_WEB_DEPS}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
    # The libraries are static: pkg-config must name what they link against in turn.
    set(PKG_CONFIG_ARGN --static)
endif()
