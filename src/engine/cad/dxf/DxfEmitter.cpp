#include "engine/cad/dxf/DxfEmitter.h"

namespace engine::dxf {

void DxfEmitter::Code(int code) {
    std::string digits = std::to_string(code);
    if (padCodes_ && digits.size() < 3) out_.append(3 - digits.size(), ' ');
    out_ += digits;
    out_ += lineEnd_;
}

void DxfEmitter::Text(int code, std::string_view utf8) { Raw(code, EncodeDxfText(utf8, encoding_)); }

void DxfEmitter::Raw(int code, std::string_view bytes) {
    Code(code);
    out_ += bytes;
    out_ += lineEnd_;
}

void DxfEmitter::Real(int code, double value) { Raw(code, RealText(value)); }

void DxfEmitter::Int(int code, long value) {
    std::string digits = std::to_string(value);
    // AutoCAD right-aligns integers in six columns; readers take either.
    if (padCodes_ && digits.size() < 6) digits.insert(0, 6 - digits.size(), ' ');
    Raw(code, digits);
}

void DxfEmitter::Handle(int code, std::uint64_t handle) {
    if (handle != 0) Raw(code, HandleText(handle));
}

void DxfEmitter::Point(int code, const cad::Point3& p) {
    Real(code, p.x);
    Real(code + 10, p.y);
    Real(code + 20, p.z);
}

void DxfEmitter::XData(const cad::GroupList& groups) {
    for (const cad::Group& g : groups) Text(g.code, g.value);
}

}  // namespace engine::dxf
