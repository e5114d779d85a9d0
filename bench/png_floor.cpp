// Benchmark floor: the time gd alone needs to encode a picture as PNG.
//   png_floor FILE.png   reads the picture, encodes it again in memory, prints the seconds taken
#include <gd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: png_floor FILE.png\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[1], "rb");
    if (in == nullptr) return 1;
    gdImagePtr image = gdImageCreateFromPng(in);
    std::fclose(in);
    if (image == nullptr) return 1;
    const auto start = std::chrono::steady_clock::now();
    int size = 0;
    void* png = gdImagePngPtr(image, &size);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f\n", took.count());
    gdFree(png);
    gdImageDestroy(image);
    return 0;
}
