// The two model file readers: the binary `.mesh` format (version 1) and `.raw` text
// triangle lists. Both fill an empty Model and report every failure.
#pragma once

#include <cstddef>
#include <cstdint>

struct Model;

bool LoadBinaryMesh(Model& model, const char* fileName);
bool LoadAsciiMesh(Model& model, const char* fileName);

// The parsers behind the two readers, over the whole file's bytes; `fileName` only names the
// file in messages. Texture names inside a `.mesh` file are still loaded from disk.
bool ParseBinaryMesh(Model& model, const uint8_t* data, size_t size, const char* fileName);
bool ParseAsciiMesh(Model& model, const uint8_t* data, size_t size, const char* fileName);
