#pragma once
// Writes group-code/value pairs as a drawing's file holds them: its line end, its way
// of writing group codes and its text encoding. Everything the store adds to a file
// is written through here.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cad/CadModel.h"
#include "engine/cad/dxf/DxfContent.h"

namespace engine::dxf {

class DxfEmitter {
public:
    explicit DxfEmitter(const DrawingContent& content)
        : lineEnd_(content.lineEnd), padCodes_(content.padCodes), encoding_(content.encoding) {}

    // A text value, given in UTF-8.
    void Text(int code, std::string_view utf8);
    // A value already in the file's bytes (numbers, or text copied from a file of the
    // same encoding).
    void Raw(int code, std::string_view bytes);
    void Real(int code, double value);
    void Int(int code, long value);
    // Nothing is written for handle 0 (a drawing without handles).
    void Handle(int code, std::uint64_t handle);
    // code, code + 10, code + 20 with x, y, z.
    void Point(int code, const cad::Point3& p);
    // Extended data of one application.
    void XData(const cad::GroupList& groups);

    const std::string& Str() const { return out_; }
    std::string Take() { return std::move(out_); }

private:
    void Code(int code);

    std::string out_;
    std::string lineEnd_;
    bool padCodes_;
    DxfEncoding encoding_;
};

}  // namespace engine::dxf
