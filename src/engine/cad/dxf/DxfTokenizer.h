#pragma once
// Splits the bytes of an ASCII DXF drawing into group-code/value pairs without copying
// them: each pair points into the original bytes, with the offsets a save needs to
// copy or splice the file around it. Malformed input raises DrawingError naming the
// file and the line; nothing here allocates in proportion to a value the file states.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine::dxf {

struct DxfPair {
    int code = 0;
    std::string_view value;      // the value line without its line end
    std::size_t begin = 0;       // offset of the group-code line
    std::size_t valueBegin = 0;  // offset of the value line
    std::size_t end = 0;         // offset after the value line's line end
    std::uint32_t line = 0;      // 1-based line of the group code
};

class DxfTokenizer {
public:
    // The highest group code a DXF file may carry.
    static constexpr int kMaxGroupCode = 1071;

    DxfTokenizer(std::string_view bytes, std::string fileName);

    // The next pair; false at the end of the bytes (blank lines at the very end are
    // no pair). Raises DrawingError for a group code that is no number or for a code
    // without its value line.
    bool Next(DxfPair& pair);

    // Offset where the next pair would start.
    std::size_t Offset() const { return pos_; }
    // The line a message should name for the data at the current offset.
    std::uint32_t Line() const { return line_; }

private:
    bool ReadLine(std::string_view& text);

    std::string_view bytes_;
    std::string fileName_;
    std::size_t pos_ = 0;
    std::uint32_t line_ = 1;
};

}  // namespace engine::dxf
