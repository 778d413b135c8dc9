// The two model file readers: the binary `.mesh` format (version 1) and `.raw` text
// triangle lists. Both fill an empty Model and report every failure.
#pragma once

struct Model;

bool LoadBinaryMesh(Model& model, const char* fileName);
bool LoadAsciiMesh(Model& model, const char* fileName);
