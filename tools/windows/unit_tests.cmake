# The unit suites in the Windows build, run through Wine by ctest (included by tests/).
# Under Wine only a real window makes a GL context (SDL's offscreen driver cannot), so the
# suites draw through the windows driver and ask for no message boxes.
set(TEST_DRIVERS "SDL_VIDEODRIVER=windows;SDL_AUDIODRIVER=dummy;REROVUZ_NO_BOXES=1")
# The suites of what does not start other processes or use POSIX calls of its own.
list(FILTER TEST_SOURCES INCLUDE REGEX "/test_(shell|texture|mesh|music|timeline)\\.cpp$")
# The cases that raise signals, fork or count memory through /proc stay on Linux.
set(TEST_ARGS_test_shell --gtest_filter=-Interrupt.*)

# stb's headers (for the test pictures) are Debian's, from the host.
file(COPY /usr/include/stb DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
include_directories(SYSTEM ${CMAKE_BINARY_DIR}/host-headers)
