// Lines of an alignment file, with look-ahead and rewriting.
#include "common/alignment/line_source.h"

#include "common/io/byte_source.h"

bool line_source::next(std::string& line)
{
    if (!pending_.empty()) {
        line = std::move(pending_.front());
        pending_.pop_front();
        return true;
    }
    while (bytes_.readLine(line))
        if (!rewrite_ || rewrite_(line)) return true;
    return false;
}
