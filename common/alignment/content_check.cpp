// Signatures of the files users mistake for alignments, and the binary-data test.
#include "common/alignment/content_check.h"

namespace {

struct signature {
    std::string_view bytes;
    const char* reason;
};

// File signatures ("magic numbers") of the formats most often handed over by mistake.
constexpr signature kSignatures[] = {
    {std::string_view("\x89PNG\r\n\x1a\n", 8), "a PNG picture"},
    {"%PDF-", "a PDF document"},
    {"PK\x03\x04", "a ZIP archive or Office document"},
    {"PK\x05\x06", "a ZIP archive or Office document"},
    {"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", "an Office document"},
    {"GIF87a", "a GIF picture"},
    {"GIF89a", "a GIF picture"},
    {"\xff\xd8\xff", "a JPEG picture"},
};

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// A web page saved instead of the file it offered: "<!DOCTYPE html" or "<html" after blanks.
bool isHtml(std::string_view head)
{
    const std::size_t start = head.find_first_not_of(" \t\r\n\f");
    if (start == std::string_view::npos) return false;
    const std::string_view text = head.substr(start);
    return startsWithNoCase(text, "<!doctype html") || startsWithNoCase(text, "<html");
}

bool isBinaryByte(unsigned char c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7f;
}

}  // namespace

std::string f_notAlignmentReason(std::string_view head)
{
    for (const signature& s : kSignatures)
        if (head.substr(0, s.bytes.size()) == s.bytes) return s.reason;
    if (isHtml(head)) return "an HTML page";
    for (char c : head.substr(0, kContentCheckBytes))
        if (isBinaryByte(static_cast<unsigned char>(c))) return "binary data";
    return std::string();
}
