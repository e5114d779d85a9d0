// Writing a picture in every format asked for.
#include "common/pictures/picture_files.h"

#include "common/io/trace.h"
#include "common/surface/gd_renderer.h"
#include "common/surface/pdf_renderer.h"
#include "common/surface/svg_renderer.h"

const char* f_formatExtension(picture_format format)
{
    switch (format) {
    case picture_format::png: return ".png";
    case picture_format::svg: return ".svg";
    case picture_format::pdf: return ".pdf";
    }
    return ".png";
}

void f_cantWriteImage(const std::string& fileName)
{
    f_failText("\n Can't write image file ");
    f_failText(fileName);
    f_failText("\n");
}

namespace {

std::unique_ptr<renderer> makeRenderer(picture_format format, int width, int height, int pngLevel)
{
    switch (format) {
    case picture_format::png: return f_pngRenderer(width, height, pngLevel);
    case picture_format::svg: return f_svgRenderer(width, height);
    case picture_format::pdf: return f_pdfRenderer(width, height);
    }
    return nullptr;
}

}  // namespace

picture_files::picture_files(const picture_settings& settings, const std::string& fileBase, int width, int height)
    : canvas_(width, height), width_(width), height_(height)
{
    for (picture_format format : settings.formats) {
        const std::string path = fileBase + f_formatExtension(format);
        std::unique_ptr<renderer> output = makeRenderer(format, width, height, settings.png_level);
        if (!output) {
            f_cantWriteImage(path);
            failed_ = true;
            continue;
        }
        canvas_.addRenderer(std::move(output));
        paths_.push_back(path);
    }
}

bool picture_files::write()
{
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        if (canvas_.rendererAt(i).write(paths_[i])) {
            f_wrote(paths_[i], width_, height_);
            continue;
        }
        f_cantWriteImage(paths_[i]);
        failed_ = true;
    }
    return !failed_;
}
