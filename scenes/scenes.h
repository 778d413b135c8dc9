// The five scenes, in the order they play.
#pragma once

bool runTitleScene();
bool runScene1();
bool runScene2();
bool runScene3();
bool runScene4();
