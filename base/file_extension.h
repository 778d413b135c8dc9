// The extension that picks a file's reader: the text after the last `.` of the whole name,
// folders included ("dir.old/file" has the extension "old/file"); a name without a dot is its
// own extension.
#pragma once

// Whether that extension is `extension`, compared without regard to ASCII case.
bool HasExtension(const char* fileName, const char* extension);
