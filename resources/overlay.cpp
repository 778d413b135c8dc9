// Overlays: pictures drawn flat in window pixels with their own projection, origin top-left.
#include "resources/overlay.h"

#include "base/report_error.h"
#include "base/window_size.h"

#include <GL/glu.h>

Overlay::Overlay(const char* fileName) {
    LoadTexture(*this, fileName);
    // A picture that failed to load is 0 x 0 at (0, 0) until the caller sizes it.
    drawWidth = width;
    drawHeight = height;
    centerX = width / 2;
    centerY = height / 2;
}

void Overlay::draw() {
    if (g_windowWidth == 0 || g_windowHeight == 0) {
        ReportError("Can't draw overlay without window size.");
        return;
    }
    const GLdouble windowWidth = g_windowWidth;
    const GLdouble windowHeight = g_windowHeight;

    // One unit per pixel, y growing downwards from the top edge.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, windowWidth, 0, windowHeight);
    glScalef(1, -1, 1);
    glTranslatef(0, static_cast<GLfloat>(-windowHeight), 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    // Depth test and depth mask stay as the caller set them; lighting stays off afterwards.
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Not loaded: a plain rectangle in `color`, under whatever texturing the caller left.
    bind(*this);
    glColor4f(color[0], color[1], color[2], color[3]);

    glTranslatef(static_cast<GLfloat>(centerX), static_cast<GLfloat>(centerY), 0);
    // With y pointing down, a positive angle turns clockwise on the screen.
    glRotatef(rotation, 0, 0, 1);
    // Truncating halves: a width of 101 draws 100 pixels.
    const GLint w = drawWidth / 2;
    const GLint h = drawHeight / 2;
    // Top-left corner first, so texture row t = 0 runs along the top edge; counter-clockwise
    // on the screen, hence front-facing with back faces culled.
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(-w, -h);
    glTexCoord2f(0, 1);
    glVertex2i(-w, h);
    glTexCoord2f(1, 1);
    glVertex2i(w, h);
    glTexCoord2f(1, 0);
    glVertex2i(w, -h);
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void Overlay::fillWindow() {
    drawWidth = g_windowWidth;
    drawHeight = g_windowHeight;
    centerOnWindow();
}

void Overlay::centerOnWindow() {
    if (g_windowWidth != 0 && g_windowHeight != 0) {
        centerX = g_windowWidth / 2;
        centerY = g_windowHeight / 2;
    }
}
