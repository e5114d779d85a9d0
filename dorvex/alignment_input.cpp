// Reading one alignment for a comparison.
#include "dorvex/alignment_input.h"

#include "common/alignment/align_loader.h"

bool f_isEmptyInput(const alignment_input& input) { return input.rows.empty() || input.rows[0].empty(); }

bool f_loadInput(FilePtr file, const char* path, alignment_input& input, bool noteUpperCase)
{
    loaded_alignment loaded;
    if (f_loadAlignment(std::move(file), path, loaded, noteUpperCase) != load_status::read) return false;
    input.upperCase = std::move(loaded.upperCase);
    f_getAliOffs(loaded, input.names, input.seqs, input.rows, input.offsets);
    return true;
}
