# OpenGL 1.1 and GLU on the web: gl4es (OpenGL 1.x over WebGL) and GLU compiled against it,
# both from the dependency prefix (tools/web/dependencies.sh). GLU's header comes first:
# gl4es's own glu.h would rename GLU's functions. GLU links before gl4es, which it calls.
if(NOT REROVUZ_WEB_DEPS OR NOT EXISTS ${REROVUZ_WEB_DEPS}/lib/libgl4es.a)
    message(FATAL_ERROR "REROVUZ_WEB_DEPS must name the prefix tools/web/dependencies.sh printed")
endif()
add_library(rerovuz_gl INTERFACE)
target_include_directories(rerovuz_gl BEFORE INTERFACE
    ${REROVUZ_WEB_DEPS}/include/glu ${REROVUZ_WEB_DEPS}/include/gl4es)
target_link_libraries(rerovuz_gl INTERFACE
    ${REROVUZ_WEB_DEPS}/lib/libglu_gl4es.a ${REROVUZ_WEB_DEPS}/lib/libgl4es.a)
set(REROVUZ_GL_LIBRARIES rerovuz_gl)
