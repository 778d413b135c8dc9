// frame_diff [--swap-red-blue] A.png B.png LEVELS PIXELS: compares two captured frames of
// the same size. Prints how many pixels differ at all, how many by more than LEVELS in some
// channel, and the largest difference; exits 0 when at most PIXELS pixels differ by more
// than LEVELS. --swap-red-blue swaps B's red and blue first (the fault the check must see).
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <cstdio>
#include <cstdlib>

#include <cstring>
#include <utility>

int main(int argc, char** argv) {
    const bool swap = argc > 1 && std::strcmp(argv[1], "--swap-red-blue") == 0;
    if (swap) {
        --argc;
        ++argv;
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: frame_diff [--swap-red-blue] A.png B.png LEVELS PIXELS\n");
        return 2;
    }
    int w[2], h[2], n;
    unsigned char* image[2];
    for (int i = 0; i < 2; ++i) {
        image[i] = stbi_load(argv[1 + i], &w[i], &h[i], &n, 4);
        if (!image[i]) {
            std::fprintf(stderr, "frame_diff: cannot read %s\n", argv[1 + i]);
            return 2;
        }
    }
    if (w[0] != w[1] || h[0] != h[1]) {
        std::fprintf(stderr, "frame_diff: %dx%d against %dx%d\n", w[0], h[0], w[1], h[1]);
        return 1;
    }
    if (swap)
        for (long p = 0; p < static_cast<long>(w[1]) * h[1]; ++p)
            std::swap(image[1][p * 4], image[1][p * 4 + 2]);
    const int levels = std::atoi(argv[3]);
    const long allowed = std::atol(argv[4]);
    long differing = 0, beyond = 0;
    int largest = 0;
    for (long p = 0; p < static_cast<long>(w[0]) * h[0]; ++p) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) {
            int d = std::abs(image[0][p * 4 + c] - image[1][p * 4 + c]);
            worst = d > worst ? d : worst;
        }
        differing += worst > 0;
        beyond += worst > levels;
        largest = worst > largest ? worst : largest;
    }
    std::printf("%s: %ld of %d pixels differ, %ld by more than %d levels, largest %d\n", argv[2],
                differing, w[0] * h[0], beyond, levels, largest);
    stbi_image_free(image[0]);
    stbi_image_free(image[1]);
    return beyond <= allowed ? 0 : 1;
}
