// Input bytes through one buffer, inflated on the way when the file is gzip or BGZF.
//   1. opening   2. plain and compressed reading   3. peeking and lines
#include "common/io/byte_source.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

// The zlib stream of a compressed file. BGZF, and gzip files joined end to end, are several
// gzip members in a row: each is inflated in turn, as gzip itself does.
struct byte_source::inflater {
    inflater() { ok = inflateInit2(&stream, 15 + 16) == Z_OK; }  // 16: gzip wrapper only
    ~inflater()
    {
        if (ok) inflateEnd(&stream);
    }
    z_stream stream{};
    bool ok = false;
    bool afterMember = false;  // a member has ended and no byte of another was taken yet
};

// ---- 1. opening ----

byte_source::byte_source(std::FILE* file) : file_(file), raw_(kChunk)
{
    rawEnd_ = std::fread(raw_.data(), 1, raw_.size(), file_);
    const auto byte = [this](std::size_t i) { return i < rawEnd_ ? static_cast<unsigned char>(raw_[i]) : 0u; };
    if (byte(0) != 0x1f || byte(1) != 0x8b) return;
    // BGZF: a gzip header with an extra field whose first subfield is "BC".
    const bool extra = (byte(3) & 4) != 0;
    packing_ = extra && byte(12) == 'B' && byte(13) == 'C' ? compression::bgzf : compression::gzip;
    inflater_ = std::make_unique<inflater>();
    if (!inflater_->ok) {
        damaged_ = true;
        ended_ = true;
        return;
    }
    inflater_->stream.next_in = reinterpret_cast<Bytef*>(raw_.data());
    inflater_->stream.avail_in = static_cast<uInt>(rawEnd_);
    rawBegin_ = rawEnd_;
}

byte_source::~byte_source() = default;

// ---- 2. plain and compressed reading ----

std::size_t byte_source::readRaw(char* into, std::size_t room)
{
    if (rawBegin_ < rawEnd_) {  // the bytes read when the file was opened come first
        const std::size_t count = std::min(room, rawEnd_ - rawBegin_);
        std::memcpy(into, raw_.data() + rawBegin_, count);
        rawBegin_ += count;
        return count;
    }
    return std::fread(into, 1, room, file_);
}

std::size_t byte_source::inflateInto(char* into, std::size_t room)
{
    z_stream& z = inflater_->stream;
    z.next_out = reinterpret_cast<Bytef*>(into);
    z.avail_out = static_cast<uInt>(room);
    while (z.avail_out == room) {
        if (z.avail_in == 0) {
            const std::size_t got = std::fread(raw_.data(), 1, raw_.size(), file_);
            if (got == 0) {
                // The end of the file: clean only right after a whole member.
                if (!inflater_->afterMember) damaged_ = true;
                break;
            }
            z.next_in = reinterpret_cast<Bytef*>(raw_.data());
            z.avail_in = static_cast<uInt>(got);
        }
        const int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            inflater_->afterMember = true;
            inflateReset(&z);
        } else if (status == Z_OK) {
            inflater_->afterMember = false;
        } else if (status != Z_BUF_ERROR || z.avail_in > 0) {
            // Bytes after a whole member that do not begin another are ignored, as gzip does;
            // anywhere else the data is damaged.
            if (!inflater_->afterMember) damaged_ = true;
            break;
        }
    }
    return room - z.avail_out;
}

bool byte_source::fill()
{
    if (ended_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (buffer_.size() < end_ + kChunk) buffer_.resize(end_ + kChunk);
    const std::size_t got = inflater_ ? inflateInto(buffer_.data() + end_, kChunk) : readRaw(buffer_.data() + end_, kChunk);
    if (got == 0) {
        ended_ = true;
        return false;
    }
    end_ += got;
    return true;
}

// ---- 3. peeking and lines ----

std::string_view byte_source::peek(std::size_t count)
{
    while (end_ - begin_ < count && fill()) {
    }
    return std::string_view(buffer_.data() + begin_, std::min(count, end_ - begin_));
}

bool byte_source::readLine(std::string& line)
{
    line.clear();
    for (;;) {
        if (begin_ == end_ && !fill()) return !line.empty();
        const char* start = buffer_.data() + begin_;
        const char* stop = buffer_.data() + end_;
        const char* at = start;
        while (at != stop && *at != '\n' && *at != '\r') ++at;
        if (at == stop) {  // no line end in the buffer: take it all and read on
            line.append(start, stop);
            begin_ = end_;
            continue;
        }
        line.append(start, at + 1);
        begin_ += static_cast<std::size_t>(at + 1 - start);
        // A carriage return alone ends a line as a line feed does; before a line feed it is part
        // of that line end.
        if (*at == '\r' && (begin_ < end_ || fill()) && buffer_[begin_] == '\n') {
            line += '\n';
            ++begin_;
        }
        return true;
    }
}
