#!/usr/bin/env bash
# Writes the fuzz targets' seed inputs into corpus/<name>/: a few small, valid and nearly
# valid files of each kind. Run again only to change the seeds; their output is kept in the
# repository. Needs python3, ffmpeg, sox and lame.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/corpus"
rm -rf "$out"
mkdir -p "$out"/{tga,mesh_binary,mesh_text,picture,music}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

python3 - "$out" <<'PY'
import os, struct, sys
out = sys.argv[1]

def put(kind, name, data):
    with open(os.path.join(out, kind, name), "wb") as f:
        f.write(data)

# TGA: 18-byte header (image type, width, height, depth, descriptor), then pixels.
def tga(width, height, depth, pixels, kind=2, descriptor=0, id_length=0):
    return struct.pack("<BBBHHBHHHHBB", id_length, 0, kind, 0, 0, 0, 0, 0,
                       width, height, depth, descriptor) + pixels

put("tga", "rgb_2x2.tga", tga(2, 2, 24, bytes([255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9])))
put("tga", "rgba_2x1.tga", tga(2, 1, 32, bytes([1, 2, 3, 4, 5, 6, 7, 8]), descriptor=8))
put("tga", "grey_3x1.tga", tga(3, 1, 8, bytes([0, 128, 255]), kind=3))
put("tga", "deep16_1x1.tga", tga(1, 1, 16, bytes([0, 0])))
put("tga", "short_2x2.tga", tga(2, 2, 24, bytes(5)))
put("tga", "empty_0x0.tga", tga(0, 0, 24, b""))
put("tga", "rle_1x2.tga", tga(1, 2, 24, bytes([0x81, 1, 2, 3, 0, 0]), kind=10))
put("tga", "header_only.tga", tga(4, 4, 32, b"")[:18])

# Binary .mesh: flag 78, version, meshNum, textureNum; blocks; texture entries.
def mesh_file(blocks, names=(), version=1):
    data = struct.pack("<iiii", 78, version, len(blocks), len(names))
    for b in blocks:
        data += b
    for n in names:
        data += struct.pack("<i", len(n)) + n
    return data

def block(vertices, indices=(), normals=False, colors=False, texcoords=False, texture=0):
    v = len(vertices) // 3
    data = struct.pack("<iiiiii", v, len(indices) // 3, int(normals), int(colors),
                       int(texcoords), texture)
    data += struct.pack("<%df" % len(vertices), *vertices)
    data += struct.pack("<%dI" % len(indices), *indices)
    if normals:
        data += struct.pack("<%df" % (3 * v), *([0.0, 0.0, 1.0] * v))
    if colors:
        data += struct.pack("<%df" % (4 * v), *([1.0, 0.5, 0.25, 1.0] * v))
    if texcoords:
        data += struct.pack("<%df" % (2 * v), *([0.0, 1.0] * v))
    return data

tri = [0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0, 0.0]
quad = tri + [1.0, 1.0, 0.0]
put("mesh_binary", "smallest.mesh", mesh_file([block(tri, [0, 1, 2])]))
put("mesh_binary", "unindexed.mesh", mesh_file([block(tri)], version=0))
put("mesh_binary", "everything.mesh",
    mesh_file([block(quad, [0, 1, 2, 2, 1, 3], True, True, True, 1),
               block(tri, [2, 1, 0], texture=2)], [b"tex.tga", b"missing.png"]))
put("mesh_binary", "bad_index.mesh", mesh_file([block(tri, [0, 1, 3])]))
put("mesh_binary", "bad_texture.mesh", mesh_file([block(tri, [0, 1, 2], texture=5)], [b"tex.tga"]))
put("mesh_binary", "version2.mesh", mesh_file([block(tri, [0, 1, 2])], version=2))

# .raw: nine values a line.
put("mesh_text", "three.raw",
    b"0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0\n"
    b"1.0 1.0 0.0 -1.0 0.5 0.0 0.0 -1.0 2.5\n"
    b"1e38 -1e39 0.0 nan inf 0.0 0.1 0.2 0.3\n")
put("mesh_text", "twelve_and_six.raw",
    b"1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 11.0 12.0\n1.0 2.0 3.0 4.0 5.0 6.0")
put("mesh_text", "short_tokens.raw", b"0 1.0 -1 2.0 3.0 x 4.0 5.0 6.0 7.0 8.0 9.0\n\n  \n")
put("mesh_text", "long_line.raw", b" ".join([b"1.25"] * 80) + b"\n0.0 0.0 0.0\n")
PY

# Pictures: 8 x 8 test patterns in each kind the decoder meets.
pattern="testsrc2=size=8x8:rate=1"
pic() { ffmpeg -loglevel error -y -f lavfi -i "$pattern" -frames:v 1 "$@"; }
pic -pix_fmt rgb24 "$out/picture/rgb.png"
pic -pix_fmt rgba "$out/picture/rgba.png"
pic -pix_fmt gray "$out/picture/grey.png"
pic -pix_fmt ya8 "$out/picture/grey_alpha.png"
pic -pix_fmt pal8 "$out/picture/palette.png"
pic -pix_fmt rgb48be "$out/picture/deep.png"
pic -pix_fmt yuvj420p -q:v 5 "$out/picture/colour.jpg"
pic -pix_fmt gray -q:v 5 "$out/picture/grey.jpg"
pic -pix_fmt bgr24 "$out/picture/rgb.bmp"
pic -pix_fmt bgra "$out/picture/rgba.bmp"
pic -pix_fmt pal8 "$out/picture/palette.bmp"

# Music: short MP3s at the rates and channel counts a user's file may have.
sox -n -r 44100 -c 2 "$scratch/a.wav" synth 0.3 sine 440 sine 660
sox -n -r 8000 -c 1 "$scratch/b.wav" synth 0.5 square 300
sox -n -r 48000 -c 2 "$scratch/c.wav" synth 0.2 pinknoise
lame --quiet -b 32 "$scratch/a.wav" "$out/music/stereo_44k.mp3"
lame --quiet -b 8 "$scratch/b.wav" "$out/music/mono_8k.mp3"
lame --quiet -b 32 --tt title --ta artist "$scratch/c.wav" "$out/music/tagged_48k.mp3"
head -c 700 "$out/music/stereo_44k.mp3" >"$out/music/cut.mp3"

du -sh "$out"
