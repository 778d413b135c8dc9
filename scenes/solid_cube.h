// A solid cube centred on the current origin: six faces with outward normals.
#pragma once

void DrawSolidCube(float edge);
