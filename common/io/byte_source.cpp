// Input bytes through one buffer, inflated on the way (on a thread of their own, by ISA-L, which
// inflates three times as fast as zlib) when the file is gzip or BGZF.
//   1. the inflater   2. opening   3. filling the buffer   4. peeking and lines
#include "common/io/byte_source.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {

constexpr std::size_t kChunk = 64 * 1024;           // the first look at a file
constexpr std::size_t kPlainChunk = 256 * 1024;     // plain reads
constexpr std::size_t kInflatedChunk = 256 * 1024;  // what the inflater hands over at a time
constexpr std::size_t kChunksAhead = 4;             // how far the inflater may run ahead

}  // namespace

// ---- 1. the inflater ----

// Inflates the gzip members of a file (BGZF, and gzip files joined end to end, are several
// members in a row; each is inflated in turn, as gzip itself does) into chunks, on its own thread.
class byte_source::inflater {
public:
    // Starts inflating: first the bytes already read from file (first), then the rest of file.
    inflater(std::FILE* file, std::vector<char> first) : file_(file), raw_(std::move(first))
    {
        startMember();
        state_.next_in = reinterpret_cast<std::uint8_t*>(raw_.data());
        state_.avail_in = static_cast<std::uint32_t>(raw_.size());
        raw_.resize(std::max(raw_.size(), kChunk));
        worker_ = std::thread([this] { run(); });
    }
    ~inflater()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        worker_.join();
    }

    // Waits for the next chunk of inflated bytes. Returns false at the end of the data; damaged
    // then tells whether the data was damaged or cut short.
    bool next(std::vector<char>& chunk, bool& damaged)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
        if (ready_.empty()) {
            damaged = damaged_;
            return false;
        }
        chunk = std::move(ready_.front());
        ready_.pop_front();
        lock.unlock();
        changed_.notify_all();
        return true;
    }

    // Gives a chunk taken by next back to be filled again: a fresh one would cost the system a
    // new mapping of its pages every time.
    void giveBack(std::vector<char> chunk)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        spare_.push_back(std::move(chunk));
    }

private:
    void run()
    {
        for (;;) {
            std::vector<char> chunk;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (!spare_.empty()) {
                    chunk = std::move(spare_.back());
                    spare_.pop_back();
                }
            }
            chunk.resize(kInflatedChunk);
            chunk.resize(inflateInto(chunk.data(), chunk.size()));
            std::unique_lock<std::mutex> lock(mutex_);
            if (chunk.empty()) {
                finished_ = true;
                lock.unlock();
                changed_.notify_all();
                return;
            }
            changed_.wait(lock, [this] { return ready_.size() < kChunksAhead || stop_; });
            if (stop_) return;
            ready_.push_back(std::move(chunk));
            lock.unlock();
            changed_.notify_all();
        }
    }

    // Readies the state for a gzip member: its header and trailer (check value and length) are
    // read and checked too.
    void startMember()
    {
        isal_inflate_init(&state_);
        state_.crc_flag = ISAL_GZIP;
    }

    // Inflates up to room bytes; 0 only at the end of the data.
    std::size_t inflateInto(char* into, std::size_t room)
    {
        if (failed_) return 0;  // a state that failed must not be run again: it would read past its input
        state_.next_out = reinterpret_cast<std::uint8_t*>(into);
        state_.avail_out = static_cast<std::uint32_t>(room);
        while (state_.avail_out > 0) {
            if (state_.avail_in == 0) {
                const std::size_t got = std::fread(raw_.data(), 1, raw_.size(), file_);
                if (got == 0) {
                    // The end of the file: clean only right after a whole member.
                    if (!afterMember_) setDamaged();
                    break;
                }
                state_.next_in = reinterpret_cast<std::uint8_t*>(raw_.data());
                state_.avail_in = static_cast<std::uint32_t>(got);
            }
            // Bytes after a whole member that do not begin another are ignored, as gzip does.
            const std::uint8_t* const in = state_.next_in;
            if (afterMember_ && (in[0] != 0x1f || (state_.avail_in > 1 && in[1] != 0x8b))) break;
            const std::uint32_t inBefore = state_.avail_in, outBefore = state_.avail_out;
            if (isal_inflate(&state_) != ISAL_DECOMP_OK) {
                setDamaged();  // damaged data, or a check value or length that does not match
                failed_ = true;
                break;
            }
            if (state_.block_state == ISAL_BLOCK_FINISH) {
                afterMember_ = true;
                // The next member, if any, starts where this one ended (a fresh state forgets
                // both buffers).
                std::uint8_t* const nextIn = state_.next_in;
                std::uint8_t* const nextOut = state_.next_out;
                const std::uint32_t availIn = state_.avail_in, availOut = state_.avail_out;
                startMember();
                state_.next_in = nextIn;
                state_.avail_in = availIn;
                state_.next_out = nextOut;
                state_.avail_out = availOut;
            } else if (state_.avail_in != inBefore || state_.avail_out != outBefore) {
                afterMember_ = false;
            }
        }
        return room - state_.avail_out;
    }

    void setDamaged()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        damaged_ = true;
    }

    std::FILE* file_;
    std::vector<char> raw_;  // compressed bytes, read ahead of inflating
    inflate_state state_{};
    bool afterMember_ = false;  // a member has ended and no byte of another was taken yet
    bool failed_ = false;       // inflating failed: the data ends there

    std::thread worker_;
    std::mutex mutex_;  // guards what follows
    std::condition_variable changed_;
    std::deque<std::vector<char>> ready_;  // inflated chunks not taken yet
    std::vector<std::vector<char>> spare_; // chunks given back, to be filled again
    bool finished_ = false;
    bool damaged_ = false;
    bool stop_ = false;
};

// ---- 2. opening ----

byte_source::byte_source(std::FILE* file) : file_(file), head_(kChunk)
{
    head_.resize(std::fread(head_.data(), 1, head_.size(), file_));
    const auto byte = [this](std::size_t i) { return i < head_.size() ? static_cast<unsigned char>(head_[i]) : 0u; };
    if (byte(0) != 0x1f || byte(1) != 0x8b) return;
    // BGZF: a gzip header with an extra field whose first subfield is "BC".
    const bool extra = (byte(3) & 4) != 0;
    packing_ = extra && byte(12) == 'B' && byte(13) == 'C' ? compression::bgzf : compression::gzip;
    inflater_ = std::make_unique<inflater>(file_, std::move(head_));
    head_.clear();
}

byte_source::~byte_source() = default;

// ---- 3. filling the buffer ----

bool byte_source::fill()
{
    if (ended_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    std::size_t got = 0;
    if (inflater_) {
        std::vector<char> chunk;
        if (inflater_->next(chunk, damaged_)) {
            if (buffer_.size() < end_ + chunk.size()) buffer_.resize(end_ + chunk.size());
            std::memcpy(buffer_.data() + end_, chunk.data(), chunk.size());
            got = chunk.size();
            inflater_->giveBack(std::move(chunk));
        }
    } else {
        if (buffer_.size() < end_ + kPlainChunk) buffer_.resize(end_ + kPlainChunk);
        if (headTaken_ < head_.size()) {  // the bytes read when the file was opened come first
            got = head_.size() - headTaken_;
            std::memcpy(buffer_.data() + end_, head_.data() + headTaken_, got);
            headTaken_ = head_.size();
        } else {
            got = std::fread(buffer_.data() + end_, 1, kPlainChunk, file_);
        }
    }
    if (got == 0) {
        ended_ = true;
        return false;
    }
    end_ += got;
    return true;
}

// ---- 4. peeking and lines ----

std::string_view byte_source::peek(std::size_t count)
{
    while (end_ - begin_ < count && fill()) {
    }
    return std::string_view(buffer_.data() + begin_, std::min(count, end_ - begin_));
}

void byte_source::skip(std::size_t count) { begin_ += peek(count).size(); }

bool byte_source::readLine(std::string& line)
{
    std::string_view view;
    const bool read = readLine(view);
    line.assign(view);
    return read;
}

namespace {

// The first line feed or carriage return in [from, to), or null when there is none.
const char* findLineEnd(const char* from, const char* to)
{
    if (from == to) return nullptr;
    const std::size_t length = static_cast<std::size_t>(to - from);
    const char* feed = static_cast<const char*>(std::memchr(from, '\n', length));
    const char* ret = static_cast<const char*>(std::memchr(from, '\r', (feed ? feed : to) - from));
    return ret ? ret : feed;
}

}  // namespace

bool byte_source::readLine(std::string_view& line)
{
    std::size_t searched = 0;  // the bytes after begin_ that hold no line end
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const char* at = findLineEnd(start + searched, buffer_.data() + end_);
        if (at == nullptr) {
            searched = end_ - begin_;
            if (fill()) continue;  // the line goes on in the next read
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return !line.empty();
        }
        std::size_t length = static_cast<std::size_t>(at - start) + 1;
        // A carriage return alone ends a line as a line feed does; before a line feed it is part
        // of that line end.
        if (*at == '\r' && (begin_ + length < end_ || fill()) && buffer_[begin_ + length] == '\n') ++length;
        line = std::string_view(buffer_.data() + begin_, length);
        begin_ += length;
        return true;
    }
}
