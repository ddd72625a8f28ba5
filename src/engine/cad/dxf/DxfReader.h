#pragma once
// Reads an ASCII DXF drawing into DrawingContent. One pass of our own tokenizer walks
// every record, keeping only offsets into the bytes (so the file can be saved around
// what changes) and the handles in use; the records the system reads — layers, block
// definitions, points, lines, polylines, block references and their extended data —
// are handed to dxflib one record at a time, and DxfLibAdapter files what it reports.
// Entities of paper space are left to the raw bytes; entities inside block definitions
// belong to their block.
#include <dxflib/dl_dxf.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cad/dxf/DxfContent.h"
#include "engine/cad/dxf/DxfLibAdapter.h"
#include "engine/cad/dxf/DxfTokenizer.h"

namespace engine::dxf {

class DxfReader {
public:
    // Raises DrawingError naming the file (and the line, where there is one) for a
    // binary DXF, a DWG, an empty file or a malformed one.
    static DrawingContent Read(std::string bytes, const std::string& fileName);

private:
    enum class Section { None, Header, Tables, Blocks, Entities, Other };

    explicit DxfReader(DrawingContent& content);
    void Run();
    void ProcessRecord(const std::vector<DxfPair>& record, std::size_t end);
    void OpenSection(const std::vector<DxfPair>& record);
    void CloseSection(const DxfPair& first);
    void ReadHeader(const std::vector<DxfPair>& record);
    void ReadTableRecord(const std::string& type, const std::vector<DxfPair>& record);
    void ReadEntity(const std::string& type, const std::vector<DxfPair>& record, std::size_t end, Space space);
    void ScanHandles(const std::vector<DxfPair>& record);
    void Feed(std::string_view type, std::size_t slot, const std::vector<DxfPair>& record,
              std::initializer_list<int> codes, bool xdata, long lwVertices = -1);
    void FeedText();
    [[noreturn]] void Fail(const std::string& what, std::uint32_t line) const;

    DrawingContent& content_;
    DL_Dxf dxf_;
    DxfLibAdapter adapter_;
    std::istringstream feed_;
    std::string feedText_;
    std::vector<std::size_t> applicationStarts_;

    Section section_ = Section::None;
    std::string sectionName_;
    std::uint32_t sectionLine_ = 0;
    bool anySection_ = false;
    std::string table_;
    long block_ = -1;        // block definition being read
    long groupEntity_ = -1;  // entity whose VERTEX / ATTRIB / SEQEND records may follow
    std::uint64_t maxHandle_ = 0;
    std::uint64_t handSeed_ = 0;
    long handling_ = -1;  // $HANDLING; -1 when absent
    std::string currentLayerBytes_;
};

}  // namespace engine::dxf
