// A solid cube centred on the current origin: six faces with outward normals.
#pragma once

// The credits backdrop's edge.
constexpr float kCreditsCubeEdge = 3.0f;

// Compiles the cube of this edge once; DrawSolidCube with the same edge then replays it.
void CompileSolidCube(float edge);
void DrawSolidCube(float edge);
