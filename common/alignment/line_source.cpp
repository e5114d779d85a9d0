// Lines of an alignment file, with look-ahead and rewriting.
#include "common/alignment/line_source.h"

#include "common/io/text_input.h"

bool line_source::next(std::string& line)
{
    if (!pending_.empty()) {
        line = std::move(pending_.front());
        pending_.pop_front();
        return true;
    }
    while (f_readLine(file_, line))
        if (!rewrite_ || rewrite_(line)) return true;
    return false;
}
