// Writing pictures: encoded in memory (gd reports an encoding failure there), then written whole.
#include "common/image/png_output.h"

#include "common/io/file_output.h"

bool f_writePng(gdImagePtr image, const std::string& path)
{
    int size = 0;
    void* png = gdImagePngPtr(image, &size);
    if (png == nullptr) return false;
    const bool ok = size > 0 && f_writeFileAtomically(path, png, static_cast<std::size_t>(size));
    gdFree(png);
    return ok;
}
