// Error reporting: stdout first, so the text survives where no box can be shown.
#include "base/report_error.h"

#include "platform/window.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void ReportError(const char* format, ...) {
    char text[1024] = "";
    int length = 0;
    if (format) {
        va_list args;
        va_start(args, format);
        length = std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
    }
    if (length < 0)
        text[0] = '\0';
    // fwrite, not printf: percent signs in the formatted text go out unchanged.
    std::fwrite(text, 1, std::strlen(text), stdout);
    std::fflush(stdout);
    PlatformShowMessage(text, "Error", BoxIcon::Error);
}

void Trace(const char* format, ...) {
    static const bool enabled = std::getenv("REROVUZ_TRACE") != nullptr;
    if (!enabled)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
