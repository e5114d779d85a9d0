// Messages of a run about its inputs and pictures.
#include "common/options/run_messages.h"

#include <cstring>

#include "common/io/text_input.h"
#include "common/io/trace.h"

void f_sayCannotOpen(const prog_options& opts, const std::string& name, int error)
{
    if (opts.form != run_form::everyday || !f_isQuiet()) f_fail("\n Can't open align file %s\n", name.c_str());
    f_error("cannot open %s: %s", f_inputName(name).c_str(), std::strerror(error));
}

void f_warnAboutLetters(const prog_options& opts, const letter_cells& cells)
{
    if (!opts.letters || cells.held || cells.width == 0) return;
    f_warn("--letters: cells are %d x %d px, letters need %d x %d; no letters drawn (try -W or --columns)",
           cells.width, cells.height, kLetterCellWidth, kLetterCellHeight);
}
