// The files of one picture: a canvas with one renderer per format asked for, written together
// when the picture is complete.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/picture_settings.h"
#include "common/surface/canvas.h"

// The file extension of a format, with its dot (".png").
const char* f_formatExtension(picture_format format);

class picture_files {
public:
    // A width x height canvas with a renderer for each format of settings, writing fileBase + the
    // format's extension. A format that cannot hold a picture of that size is reported at once
    // ("\n Can't write image file NAME").
    picture_files(const picture_settings& settings, const std::string& fileBase, int width, int height);

    canvas& drawing() { return canvas_; }
    // False when no format could be drawn at all (there is then nothing to draw).
    bool drawable() const { return canvas_.rendererCount() > 0; }

    // Writes every file whole; names each one written (f_wrote) and reports each one that could
    // not be. Returns true when every file asked for was written.
    [[nodiscard]] bool write();

private:
    canvas canvas_;
    std::vector<std::string> paths_;  // one per renderer, in order
    int width_, height_;
    bool failed_ = false;
};

// Prints the message of a picture file that could not be written.
void f_cantWriteImage(const std::string& fileName);
