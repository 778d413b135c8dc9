// What the window layer leaves to the place its window lives in. On a desktop SDL does it
// all and these do nothing (window_host.cpp); in a web page the page asks the question,
// shows the boxes, goes full screen and paces the frames (window_host_web.cpp).
#pragma once

// True when the host showed the box itself; false leaves it to SDL.
bool HostShowMessage(const char* text, const char* title);
// True when the host asked the question itself, with the answer in `yes`.
bool HostAskYesNo(const char* text, const char* title, bool& yes);
// True when the host, not SDL, takes the window to full screen; `fullscreen` then says
// whether it is there.
bool HostTakesFullscreen(bool& fullscreen);
// The GL context has just been made current.
void HostContextMade();
// The frame is finished and about to be swapped in.
void HostBeforeSwap();
// The frame has been shown and the clock told: the host may now let the rest of the world
// run before the next frame is drawn.
void HostFrameShown();
