// The PDF renderer: cairo draws the picture on one page, one point per pixel; its texts stay text.
// Neighbouring fills of one colour are gathered into one path, so large pictures stay small.
//   1. fonts   2. the renderer
#include "common/surface/pdf_renderer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/io/file_output.h"
#include "common/surface/svg_renderer.h"

namespace {

// ---- 1. fonts ----

// A monospace font scaled so that every character advances exactly gd's character width, at the
// same size as the SVG text.
cairo_scaled_font_t* scaledFont(font_face face)
{
    const bool bold = face == font_face::medium_bold || face == font_face::giant;
    cairo_font_face_t* fontFace =
        cairo_toy_font_face_create("DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                                   bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t unit, identity;
    cairo_matrix_init_identity(&unit);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    // Unhinted metrics: hinting would round the advance measured at size 1 to a whole unit.
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_scaled_font_t* probe = cairo_scaled_font_create(fontFace, &unit, &identity, options);
    cairo_text_extents_t extents;
    cairo_scaled_font_text_extents(probe, "0", &extents);
    cairo_scaled_font_destroy(probe);
    const double advance = extents.x_advance > 0 ? extents.x_advance : 0.6;

    double size = 10.0;
    switch (face) {
    case font_face::tiny: size = 8.33; break;
    case font_face::small: size = 10.0; break;
    case font_face::medium_bold: size = 11.67; break;
    case font_face::giant: size = 15.0; break;
    }
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, f_fontSize(face).width / advance, size);
    cairo_scaled_font_t* font = cairo_scaled_font_create(fontFace, &matrix, &identity, options);
    cairo_font_options_destroy(options);
    cairo_font_face_destroy(fontFace);
    return font;
}

// cairo and fontconfig keep their fonts for the life of the process; they are given back at its
// end, so that a leak checker sees only what the programs themselves keep.
void releaseFontCaches()
{
    cairo_debug_reset_static_data();
    FcFini();
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// ---- 2. the renderer ----

class pdf_renderer : public renderer {
public:
    pdf_renderer(int width, int height)
        : surface_(cairo_pdf_surface_create_for_stream(appendToString, &out_, width, height)),
          cr_(cairo_create(surface_)),
          width_(width),
          height_(height)
    {
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr_, 1.0);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
        for (font_face face : {font_face::tiny, font_face::small, font_face::medium_bold, font_face::giant})
            fonts_.push_back(scaledFont(face));
    }

    ~pdf_renderer() override
    {
        for (cairo_scaled_font_t* font : fonts_) cairo_scaled_font_destroy(font);
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }

    pdf_renderer(const pdf_renderer&) = delete;
    pdf_renderer& operator=(const pdf_renderer&) = delete;

    void addColour(int index, rgb_colour colour) override
    {
        if (static_cast<std::size_t>(index) >= colours_.size()) colours_.resize(static_cast<std::size_t>(index) + 1);
        colours_[static_cast<std::size_t>(index)] = colour;
    }

    void fillRect(int x1, int y1, int x2, int y2, int colour) override
    {
        if (!clip(x1, y1, x2, y2) || !known(colour)) return;
        if (pendingColour_ != colour) {
            flush();
            pendingColour_ = colour;
        }
        cairo_rectangle(cr_, x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    }

    void outlineRect(int x1, int y1, int x2, int y2, int colour) override
    {
        if (x1 > x2) std::swap(x1, x2);
        if (y1 > y2) std::swap(y1, y2);
        if (!use(colour)) return;
        cairo_rectangle(cr_, x1 + 0.5, y1 + 0.5, x2 - x1, y2 - y1);
        cairo_stroke(cr_);
    }

    void line(int x1, int y1, int x2, int y2, int colour) override { stroke(x1, y1, x2, y2, colour, false); }
    void dashedLine(int x1, int y1, int x2, int y2, int colour) override { stroke(x1, y1, x2, y2, colour, true); }
    void pixel(int x, int y, int colour) override { fillRect(x, y, x, y, colour); }

    void text(font_face face, int x, int y, std::string_view text, int colour, bool upward) override
    {
        if (!use(colour)) return;
        const std::string glyphs = f_glyphText(text);
        cairo_save(cr_);
        cairo_set_scaled_font(cr_, fonts_[static_cast<std::size_t>(face)]);
        cairo_translate(cr_, x, y);
        if (upward) cairo_rotate(cr_, -1.5707963267948966);
        cairo_move_to(cr_, 0, f_svgBaseline(face));
        cairo_show_text(cr_, glyphs.c_str());
        cairo_new_path(cr_);
        cairo_restore(cr_);
    }

    void paintColumns(int x1, int x2, int y1, int y2, const unsigned char* colours) override
    {
        if (y1 > y2) std::swap(y1, y2);
        int top = y1, bottom = y2, left = x1, right = x2;
        if (!clip(left, top, right, bottom)) return;
        flush();
        // Runs of one colour, gathered into one path per colour: one fill for each colour of the
        // band instead of one per run.
        runs_.assign(colours_.size(), {});
        for (int x = left; x <= right;) {
            int end = x;
            while (end < right && colours[end + 1 - x1] == colours[x - x1]) ++end;
            const unsigned char colour = colours[x - x1];
            if (colour < runs_.size()) runs_[colour].emplace_back(x, end);
            x = end + 1;
        }
        for (std::size_t colour = 0; colour < runs_.size(); ++colour) {
            if (runs_[colour].empty()) continue;
            for (const auto& [from, to] : runs_[colour]) cairo_rectangle(cr_, from, top, to - from + 1, bottom - top + 1);
            const rgb_colour c = colours_[colour];
            cairo_set_source_rgb(cr_, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
            cairo_fill(cr_);
        }
    }

    bool write(const std::string& path) override
    {
        flush();
        cairo_show_page(cr_);
        cairo_surface_finish(surface_);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return false;
        return f_writeFileAtomically(path, out_.data(), out_.size());
    }

private:
    bool known(int colour) const { return colour >= 0 && static_cast<std::size_t>(colour) < colours_.size(); }

    // Sets colour as the source after filling what is pending; false for an unknown colour.
    bool use(int colour)
    {
        flush();
        if (!known(colour)) return false;
        const rgb_colour c = colours_[static_cast<std::size_t>(colour)];
        cairo_set_source_rgb(cr_, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
        return true;
    }

    // Fills the rectangles gathered in the pending colour.
    void flush()
    {
        if (pendingColour_ < 0) return;
        const int colour = pendingColour_;
        pendingColour_ = -1;
        const rgb_colour c = colours_[static_cast<std::size_t>(colour)];
        cairo_set_source_rgb(cr_, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
        cairo_fill(cr_);
    }

    bool clip(int& x1, int& y1, int& x2, int& y2) const { return f_clipRect(x1, y1, x2, y2, width_, height_); }

    // A one-pixel line through the centres of the pixels from (x1, y1) to (x2, y2); dashes of four
    // pixels drawn and four left out (square caps add half a pixel at each end of a dash).
    void stroke(int x1, int y1, int x2, int y2, int colour, bool dashed)
    {
        if (!use(colour)) return;
        if (dashed) {
            const double pattern[2] = {3.0, 5.0};
            cairo_set_dash(cr_, pattern, 2, 0.0);
        }
        cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
        cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
        cairo_stroke(cr_);
        if (dashed) cairo_set_dash(cr_, nullptr, 0, 0.0);
    }

    std::string out_;  // the PDF as cairo writes it
    cairo_surface_t* surface_;
    cairo_t* cr_;
    int width_, height_;
    std::vector<rgb_colour> colours_;
    std::vector<cairo_scaled_font_t*> fonts_;  // by font_face
    int pendingColour_ = -1;                   // the colour of the rectangles gathered, -1 none
    std::vector<std::vector<std::pair<int, int>>> runs_;  // a band's runs by colour
};

}  // namespace

std::unique_ptr<renderer> f_pdfRenderer(int width, int height)
{
    if (width <= 0 || height <= 0) return nullptr;
    static const bool releasedAtExit = std::atexit(releaseFontCaches) == 0;
    (void)releasedAtExit;
    return std::make_unique<pdf_renderer>(width, height);
}
