#include "engine/cad/dxf/DxfTokenizer.h"

#include <cstring>

#include "engine/Errors.h"

namespace engine::dxf {

DxfTokenizer::DxfTokenizer(std::string_view bytes, std::string fileName)
    : bytes_(bytes), fileName_(std::move(fileName)) {
    // A UTF-8 byte order mark is no part of the first group code.
    if (bytes_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool DxfTokenizer::ReadLine(std::string_view& text) {
    if (pos_ >= bytes_.size()) return false;
    const char* start = bytes_.data() + pos_;
    std::size_t left = bytes_.size() - pos_;
    const void* nl = std::memchr(start, '\n', left);
    std::size_t len = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - start) : left;
    text = std::string_view(start, len);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    pos_ += nl ? len + 1 : len;
    ++line_;
    return true;
}

bool DxfTokenizer::Next(DxfPair& pair) {
    // Trailing blank lines end the file quietly; a blank line with data after it is
    // a group code that is missing.
    std::size_t rest = pos_;
    while (rest < bytes_.size() &&
           (bytes_[rest] == ' ' || bytes_[rest] == '\t' || bytes_[rest] == '\r' || bytes_[rest] == '\n'))
        ++rest;
    if (rest >= bytes_.size()) {
        pos_ = bytes_.size();
        return false;
    }

    pair.begin = pos_;
    pair.line = line_;
    std::string_view codeText;
    ReadLine(codeText);
    std::size_t a = 0, b = codeText.size();
    while (a < b && (codeText[a] == ' ' || codeText[a] == '\t')) ++a;
    while (b > a && (codeText[b - 1] == ' ' || codeText[b - 1] == '\t')) --b;
    std::string_view digits = codeText.substr(a, b - a);
    int code = 0;
    bool valid = !digits.empty() && digits.size() <= 4;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            valid = false;
            break;
        }
        code = code * 10 + (c - '0');
    }
    if (!valid || code > kMaxGroupCode) {
        std::string shown(codeText.substr(0, 40));
        for (char& c : shown)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) c = '?';
        throw DrawingError("O arquivo " + fileName_ + " não é um DXF válido: código de grupo inválido \"" + shown +
                           "\" na linha " + std::to_string(pair.line) + ".");
    }
    pair.code = code;
    pair.valueBegin = pos_;
    if (!ReadLine(pair.value))
        throw DrawingError("O arquivo " + fileName_ + " está incompleto: falta o valor do código de grupo " +
                           std::to_string(code) + " da linha " + std::to_string(pair.line) + ".");
    pair.end = pos_;
    return true;
}

}  // namespace engine::dxf
