// The alignment record: the bundle of views that the drivers hand to the picture composers.
#pragma once
#include <map>
#include <string>
#include <vector>

struct off_de;

// A non-owning view: every pointer refers to an object that the driver's main owns for the run.
// The driver fills every field that the composers read before handing the record on.
struct alignment {
    const std::vector<std::string>* names = nullptr;
    std::vector<std::map<int, off_de>>* offsets = nullptr;  // per-sequence offset maps (dorvex)
    const std::vector<std::string>* rows = nullptr;         // aligned rows: upper case and "-"
    const double* weights = nullptr;                        // one weight per column of rows
    double max_weight = 0.0;                                // the largest column weight
    const std::vector<int>* mismatch_cols = nullptr;        // 1-based, -1 when none (dorvex)
    const std::vector<std::string>* rows2 = nullptr;        // rows drawn against rows (types 21, 22)
    const double* weights2 = nullptr;
    double max_weight2 = 0.0;
    const std::vector<std::string>* color_groups = nullptr;
};
