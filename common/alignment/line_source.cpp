// Lines of an alignment file, with look-ahead and rewriting.
#include "common/alignment/line_source.h"

#include "common/io/byte_source.h"

bool line_source::next(std::string_view& line)
{
    if (!pending_.empty()) {
        current_ = std::move(pending_.front());
        pending_.pop_front();
        line = current_;
        return true;
    }
    while (bytes_.readLine(line)) {
        if (!rewrite_) return true;
        current_.assign(line);
        if (rewrite_(current_)) {
            line = current_;
            return true;
        }
    }
    return false;
}

bool line_source::next(std::string& line)
{
    std::string_view view;
    const bool read = next(view);
    line.assign(view);
    return read;
}
