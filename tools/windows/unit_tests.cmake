# The Windows build's tests, run through Wine by ctest (included by tests/).
# Under Wine only a real window makes a GL context (SDL's offscreen driver cannot), so the
# suites draw through the windows driver and ask for no message boxes.
set(TEST_DRIVERS "SDL_VIDEODRIVER=windows;SDL_AUDIODRIVER=dummy;REROVUZ_NO_BOXES=1")
# Left out: test_assets (the assets are the Linux build's files, checked there, and their
# generator is a Linux program), test_hostile_assets (drops Linux capabilities so that a file
# of mode 000 is unreadable even to root), test_bench (the benchmark and its GL call counter
# are Linux tools) and test_regressions (its fuzz harness is built with the Linux suites only).
list(FILTER TEST_SOURCES EXCLUDE REGEX "/test_(assets|hostile_assets|bench|regressions)\\.cpp$")
# test_music encodes its tones with lame: the Windows build of it, put beside the suites,
# where a program they start is looked for first.
configure_file(${REROVUZ_WIN_DEPS}/bin/lame.exe ${CMAKE_CURRENT_BINARY_DIR}/lame.exe COPYONLY)
# SDL's disk driver on Windows keeps its file from being read while the device plays.
set(TEST_ARGS_test_music --gtest_filter=-AudioPlayback.ASlowDeviceGetsTheStreamAtItsVolumeAndJumpsToTheClock)
# SIGTERM is Linux's way to end the demo; wine_capture.sh checks Ctrl+C's Windows form.
set(TEST_ARGS_test_shell --gtest_filter=-Interrupt.*)

# The checks that need Wine's desktop. Like the suites, they run through
# tools/windows/wine_session.sh, which gives them a display, a Wine prefix and a home with a
# null sound device (`make test` does).
add_test(NAME wine_capture
    COMMAND ${CMAKE_SOURCE_DIR}/tools/windows/wine_capture.sh ${DEMO_DIR} ${REROVUZ_HOST_BUILD})
foreach(answer No Yes)
    add_test(NAME wine_play_${answer}
        COMMAND ${CMAKE_SOURCE_DIR}/tools/windows/wine_play.sh
                ${CMAKE_BINARY_DIR}/rerovuz-win64.zip ${answer})
endforeach()
set_tests_properties(wine_capture wine_play_No wine_play_Yes PROPERTIES TIMEOUT 300)
# Two demos playing through Wine's sound at once in one prefix hang at times: one at a time.
set_tests_properties(wine_play_No wine_play_Yes PROPERTIES RESOURCE_LOCK wine_sound)
