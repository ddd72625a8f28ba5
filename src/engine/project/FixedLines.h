#pragma once
// The suite's files are read whole and walked line by line without copying: a line
// is a view into the buffer, fields are sliced from it by 1-based byte position (in
// Windows-1252 one byte is one character) and decoded to UTF-8 only when kept.
#include <cstring>
#include <string>
#include <string_view>

#include "engine/text/Encoding.h"

namespace engine {

class FixedLines {
public:
    explicit FixedLines(std::string_view bytes) : bytes_(bytes) {}

    // The next line without its LF (and the CR of a CRLF file); false at the end.
    // A last line without LF still counts; an empty file has no lines.
    bool Next(std::string_view& line) {
        if (pos_ >= bytes_.size()) return false;
        const char* start = bytes_.data() + pos_;
        std::size_t left = bytes_.size() - pos_;
        const void* lf = std::memchr(start, '\n', left);
        std::size_t len = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : left;
        pos_ += len + (lf ? 1 : 0);
        if (len > 0 && start[len - 1] == '\r') --len;
        line = std::string_view(start, len);
        ++number_;
        return true;
    }

    // 1-based number of the line last returned by Next.
    int Number() const { return number_; }

    // Characters pos .. pos + len - 1 (1-based); shorter or empty past the line's end.
    static std::string_view Field(std::string_view line, std::size_t pos, std::size_t len) {
        if (pos < 1 || pos > line.size()) return {};
        return line.substr(pos - 1, len);
    }

    // Leading and trailing blanks removed, without copying.
    static std::string_view TrimView(std::string_view s) {
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
        while (!s.empty() && blank(s.front())) s.remove_prefix(1);
        while (!s.empty() && blank(s.back())) s.remove_suffix(1);
        return s;
    }

    // Windows-1252 bytes as UTF-8; plain ASCII is copied as is.
    static std::string Decode(std::string_view raw) {
        for (char c : raw)
            if (static_cast<unsigned char>(c) >= 0x80) return Cp1252ToUtf8(raw);
        return std::string(raw);
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

}  // namespace engine
