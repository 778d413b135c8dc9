#!/usr/bin/env bash
# Writes the fuzz targets' seeds into corpus/<name>/: small valid and nearly valid files, each
# with coverage of its own (libFuzzer's -merge=1 keeps them all). Kept in the repository: run
# again only to change them. Needs python3, ffmpeg, sox and lame.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/corpus"
rm -rf "$out"
mkdir -p "$out"/{tga,mesh_binary,mesh_text,picture,music}

python3 - "$out" <<'PY'
import struct, sys
def put(name, data): open(sys.argv[1] + "/" + name, "wb").write(data)
def f(*v): return struct.pack("<%df" % len(v), *v)
def i(*v): return struct.pack("<%di" % len(v), *v)

# TGA: 18-byte header (image type, width, height, depth, descriptor), then pixels.
def tga(width, height, depth, pixels, kind=2):
    return struct.pack("<3B2HB4H2B", 0, 0, kind, 0, 0, 0, 0, 0, width, height, depth, 0) + pixels
put("tga/grey_3x1.tga", tga(3, 1, 8, bytes([0, 128, 255]), kind=3))
put("tga/deep16_1x1.tga", tga(1, 1, 16, bytes(2)))
put("tga/empty_0x0.tga", tga(0, 0, 24, b""))
put("tga/header_only.tga", tga(4, 4, 32, b""))

# Binary .mesh: flag 78, version, mesh and texture counts; mesh blocks (counts, flags for
# normals, colours and texture coordinates, texture number, then arrays); texture entries.
def mesh(blocks, textures=(), version=1):
    return i(78, version, len(blocks), len(textures)) + b"".join(
        blocks + [i(len(n)) + n for n in textures])
def block(vertices, indices=(), x=False, texture=0):  # x: normals, colours, texture coordinates
    v = len(vertices) // 3
    extra = f(*[0.0, 0.0, 1.0] * v, *[1.0, 0.5, 0.25, 1.0] * v, *[0.0, 1.0] * v) if x else b""
    return i(v, len(indices) // 3, x, x, x, texture) + f(*vertices) + i(*indices) + extra
tri = [0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0, 0.0]
put("mesh_binary/smallest.mesh", mesh([block(tri, [0, 1, 2])]))
put("mesh_binary/unindexed.mesh", mesh([block(tri)], version=0))
put("mesh_binary/everything.mesh", mesh([block(tri + [1.0, 1.0, 0.0], [0, 1, 2, 2, 1, 3], True, 1),
    block(tri, [2, 1, 0], texture=2)], [b"tex.tga", b"missing.png"]))
put("mesh_binary/bad_index.mesh", mesh([block(tri, [0, 1, 3])]))
put("mesh_binary/bad_texture.mesh", mesh([block(tri, [0, 1, 2], texture=5)], [b"tex.tga"]))
put("mesh_binary/version2.mesh", mesh([block(tri, [0, 1, 2])], version=2))

# .raw: nine values a line.
put("mesh_text/three.raw", b"0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n"
    b"1.0 1.0 0.0 -1.0 0.5 0.0 0.0 -1.0 2.5\n1e38 -1e39 0.0 nan inf 0.0 0.1 0.2 0.3\n")
put("mesh_text/twelve_and_six.raw",
    b"1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0\n1.0 2.0 3.0 4.0 5.0 6.0")
put("mesh_text/short_tokens.raw", b"0 1.0 -1 2.0 3.0 x 4.0 5.0 6.0 7.0 8.0 9.0\n\n  \n")
put("mesh_text/long_line.raw", b" ".join([b"1.25"] * 80) + b"\n0.0 0.0 0.0\n")
PY

# Pictures: an 8 x 8 test pattern in each form the decoder treats apart.
for form in gray.png ya8.png pal8.png bgr24.bmp pal8.bmp yuvj420p.jpg gray.jpg; do
  ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=8x8:rate=1 -frames:v 1 -q:v 5 \
    -pix_fmt "${form%.*}" "$out/picture/$form"
done
# Music: short MP3s at the rates and channel counts a user's file may have, and one cut short.
sox -V1 -n -r 44100 -c 2 -t wav - synth 0.3 sine 440 sine 660 |
  lame --quiet -b 32 - "$out/music/stereo_44k.mp3"
sox -V1 -n -r 8000 -c 1 -t wav - synth 0.5 square 300 | lame --quiet -b 8 - "$out/music/mono_8k.mp3"
head -c 700 "$out/music/stereo_44k.mp3" >"$out/music/cut.mp3"
