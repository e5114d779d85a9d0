// Reading one alignment for a comparison.
#include "dorvex/alignment_input.h"

#include <thread>

#include "common/alignment/align_loader.h"
#include "common/io/trace.h"
#include "dorvex/agreement.h"

bool f_isEmptyInput(const alignment_input& input) { return input.rows.empty() || input.rows[0].empty(); }

bool f_holdsCore(const alignment_input& reference, const std::string& shown)
{
    if (f_hasCoreResidue(reference.rows, reference.upperCase)) return true;
    f_error("--core: the reference %s has no upper-case (core) residue", shown.c_str());
    return false;
}

bool f_loadInput(FilePtr file, const char* path, alignment_input& input, bool noteUpperCase)
{
    loaded_alignment loaded;
    if (f_loadAlignment(std::move(file), path, loaded, noteUpperCase) != load_status::read) return false;
    input.names = std::move(loaded.names);
    input.rows = std::move(loaded.rows);
    input.upperCase = std::move(loaded.upperCase);
    input.offsets.clear();
    return true;
}

bool f_loadPair(FilePtr firstFile, const char* firstPath, alignment_input& first, bool noteUpperCase,
                FilePtr secondFile, const char* secondPath, alignment_input& second)
{
    // Reading is most of a comparison's time once the rows are counted in runs, and the two files
    // are independent.
    held_output secondSaid;
    bool secondRead = false;
    std::thread secondReader([&] {
        f_holdOutput(&secondSaid);
        secondRead = f_loadInput(std::move(secondFile), secondPath, second);
        f_holdOutput(nullptr);
    });
    const bool firstRead = f_loadInput(std::move(firstFile), firstPath, first, noteUpperCase);
    secondReader.join();
    if (!firstRead) return false;
    f_releaseOutput(secondSaid);
    return secondRead;
}
