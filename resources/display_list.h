// Geometry handed to the driver once: what a drawing function issues, compiled into a display
// list at loading and replayed with one call each frame. Pixels are those of the same calls
// made directly; where no list could be made the caller keeps drawing directly.
#pragma once

#include <GL/gl.h>
#include <functional>

// Compiles the calls `draw` makes (without executing them) into a new list; 0 when the
// driver gives none. GL errors are left pending for the reports that look for them.
GLuint CompileDisplayList(const std::function<void()>& draw);
