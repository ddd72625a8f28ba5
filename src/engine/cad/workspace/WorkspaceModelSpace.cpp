#include "engine/cad/workspace/WorkspaceModelSpace.h"

#include <filesystem>
#include <numbers>

#include "engine/cad/workspace/WorkspaceEntity.h"

namespace engine::cad {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWith(const std::string& text, const char* suffix) {
    std::string lower = Lower(text);
    std::string s(suffix);
    return lower.size() >= s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
}

bool IsPath(const std::string& nameOrPath) {
    return nameOrPath.find_first_of("/\\") != std::string::npos || EndsWith(nameOrPath, ".dwg") ||
           EndsWith(nameOrPath, ".dxf");
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

std::shared_ptr<dxf::DxfDrawing> WorkspaceModelSpace::Drawing() const {
    auto drawing = drawing_.lock();
    if (!drawing) throw CadError("O desenho foi fechado.");
    return drawing;
}

EntityPtr WorkspaceModelSpace::AddLine(const Point3& start, const Point3& end) {
    return std::make_shared<WorkspaceEntity>(drawing_, Drawing()->AddLine(start, end));
}

EntityPtr WorkspaceModelSpace::AddLightWeightPolyline(const std::vector<double>& xy) {
    return std::make_shared<WorkspaceEntity>(drawing_, Drawing()->AddPolyline(xy));
}

std::string WorkspaceModelSpace::SymbolFile(const std::string& path) {
    std::vector<std::string> candidates{path};
    // Paths written the Windows way name the same file here.
    std::string slashes = path;
    for (char& c : slashes)
        if (c == '\\') c = '/';
    if (slashes != path) candidates.push_back(slashes);
    for (const std::string& p : candidates) {
        if (EndsWith(p, ".dwg")) {
            std::string stem = p.substr(0, p.size() - 4);
            for (const char* ext : {".dxf", ".DXF", ".Dxf"})
                if (IsFile(stem + ext)) return stem + ext;
        } else if (IsFile(p)) {
            return p;
        }
    }
    return {};
}

EntityPtr WorkspaceModelSpace::InsertBlock(const Point3& at, const std::string& nameOrPath, double xs, double ys,
                                           double zs, double rotation) {
    auto drawing = Drawing();
    std::string blockName = nameOrPath;
    if (IsPath(nameOrPath)) {
        std::string slashes = nameOrPath;
        for (char& c : slashes)
            if (c == '\\') c = '/';
        blockName = fs::path(slashes).stem().string();
        if (blockName.empty()) throw CadError("Caminho de bloco inválido: " + nameOrPath + ".");
        if (!drawing->FindBlock(blockName)) {
            std::string file = SymbolFile(nameOrPath);
            if (file.empty())
                throw CadError("O bloco " + blockName + " não foi encontrado: não existe o arquivo " + nameOrPath +
                               (EndsWith(nameOrPath, ".dwg") ? " (nem o DXF de mesmo nome ao lado dele)." : "."));
            std::unique_ptr<dxf::DxfDrawing> symbol;
            try {
                symbol = dxf::DxfDrawing::Open(file);
            } catch (const DrawingError& error) {
                throw CadError("O bloco " + blockName + " não pôde ser lido: " + error.what());
            }
            drawing->ImportBlock(*symbol, blockName);
        }
    }
    double degrees = rotation * 180.0 / std::numbers::pi;
    return std::make_shared<WorkspaceEntity>(drawing_, drawing->AddInsert(at, blockName, xs, ys, zs, degrees));
}

}  // namespace engine::cad
