// The asset generator: computes the demo's pictures, models and soundtrack and writes them
// beside the demo, plus a contact sheet for people to look at.
//
//   assetgen pictures|meshes|music|all DEMO_DIR
//   assetgen preview DEMO_DIR PREVIEW_DIR
#include "meshes.h"
#include "pictures.h"
#include "preview.h"
#include "soundtrack.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s pictures|meshes|music|all DEMO_DIR\n"
                     "       %s preview DEMO_DIR PREVIEW_DIR\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::string what = argv[1];
    std::string demoDir = argv[2];
    bool ok;
    if (what == "pictures")
        ok = WriteLetteringPictures(demoDir) && WriteTexturePictures(demoDir);
    else if (what == "meshes")
        ok = WriteMeshes(demoDir);
    else if (what == "music")
        ok = WriteSoundtrack(demoDir);
    else if (what == "all")
        ok = WriteLetteringPictures(demoDir) && WriteTexturePictures(demoDir) &&
             WriteMeshes(demoDir) && WriteSoundtrack(demoDir);
    else if (what == "preview" && argc >= 4)
        ok = WriteContactSheet(demoDir, argv[3]);
    else {
        std::fprintf(stderr, "assetgen: unknown task %s\n", what.c_str());
        return 2;
    }
    return ok ? 0 : 1;
}
