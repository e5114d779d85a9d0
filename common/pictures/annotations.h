// The text around a single-alignment picture: the legend row under the plot, the title centred at
// the top, the method names at the top left and the picture-type tag at the top right.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/picture_types.h"
#include "common/surface/canvas.h"

// What the annotations need of the composer's page: a non-owning view.
struct annotation_page {
    canvas* image = nullptr;
    int width = 0, height = 0;            // W, H
    int left = 0, right = 0, bottom = 0;  // margins as finally used
    const picture_type* type = nullptr;
    int legendY = 0;                      // the legend row's y
    int wlMax = 0;                        // top of the weight-line colour scale, in tenths
    double maxWeight = 0.0;
    int groupCount = 0;
    int gapColour = 0;
    bool outlineGap = false;              // the gap swatch outlined (a chosen gap colour may be pale)
    const std::vector<int>* selGroups = nullptr;
    int valueColour2 = 0, valueColour3 = 0, valueColour4 = 0;
    int labelColour = 0;                  // (160,70,0)
    int textColour = 0;                   // (102,51,0)
    int sameColour = 0;                   // (0,133,0)
};

// Draws the legend row, the title (title, or the default title when empty), the method names
// and the type tag. Changes nothing but the image.
void f_outAnnotations(const annotation_page& page, const std::string& title, const std::string& algorithm,
                      const std::string& otherAlgorithm);
