// Implementation of the shared test helpers.
#include "test_support.h"

#include "app/demo_window.h"
#include "app/globals.h"
#include "platform/window.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

DemoWindow* TestWindow() {
    static DemoWindow* const window = new DemoWindow(false);
    g_window = window;
    return window;
}

Rgba ReadPixel(int x, int yFromTop) {
    Rgba p = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 600 - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
    return p;
}

std::vector<uint8_t> ReadFrame() {
    const size_t row = 800 * 4;
    std::vector<uint8_t> bottomUp(row * 600), topDown;
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    for (size_t y = 600; y-- > 0;)
        topDown.insert(topDown.end(), &bottomUp[y * row], &bottomUp[y * row] + row);
    return topDown;
}

bool WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int width, int height) {
    return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
}

namespace {
BoxLog* g_activeLog = nullptr;
void RecordBox(const char* text, const char* title) { // only while a log is active
    g_activeLog->texts.push_back(text ? text : "");
    g_activeLog->titles.push_back(title ? title : "");
}
} // namespace

BoxLog::BoxLog() {
    g_activeLog = this;
    PlatformSetMessageBoxHook(RecordBox);
}

BoxLog::~BoxLog() {
    PlatformSetMessageBoxHook(nullptr);
    g_activeLog = nullptr;
}

std::vector<std::string> BoxLog::reports() const {
    std::vector<std::string> result;
    for (size_t i = 0; i < texts.size(); ++i)
        if (titles[i] == "Error")
            result.push_back(texts[i]);
    return result;
}

void BoxLog::clear() {
    texts.clear();
    titles.clear();
}

TempDir::TempDir() {
    // create_directory says whether this call made the folder, so no two processes share one.
    // The space goes through every path and command line the tests hand on.
    std::random_device random;
    std::error_code error;
    const auto base = std::filesystem::temp_directory_path(error);
    for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
        const auto folder = base / ("rerovuz test " + std::to_string(random()));
        if (std::filesystem::create_directory(folder, error))
            path = folder.generic_string();
    }
}

TempDir::~TempDir() {
    if (path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    return !out.fail();
}

bool WriteFile(const std::string& path, const std::string& text) {
    return WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string SourceDir() {
    return std::getenv("REROVUZ_SOURCE_DIR") ? std::getenv("REROVUZ_SOURCE_DIR") : ".";
}

std::string DemoDir() {
    return std::getenv("REROVUZ_DEMO_DIR") ? std::getenv("REROVUZ_DEMO_DIR") : "demo";
}

void ProjectToWindow(double x, double y, double z, int* px, int* py) {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx, wy, wz;
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    *px = static_cast<int>(std::lround(wx));
    *py = viewport[3] - 1 - static_cast<int>(std::lround(wy));
}
