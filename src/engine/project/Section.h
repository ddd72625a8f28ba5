#pragma once
// One cross section of the project file. Points are numbered from 1; index 0 exists
// and always reads as zero, empty label and code 0. The arrays have no fixed
// capacity: a section keeps every point line the file gives it.
#include <string>
#include <vector>

namespace engine {

struct TSecao {
    std::string Name;            // station name, trimmed ("Estaca" in the service note)
    int PointCount = 0;          // declared number of points, as read
    long double AxisEast = 0;    // east of the section's axis point
    long double AxisNorth = 0;   // north of the section's axis point
    std::vector<long double> East{0};        // per point, index 0 unused
    std::vector<long double> North{0};
    std::vector<std::string> PointLabel{""};
    std::vector<long double> Offset{0};      // signed distance from the axis, negative on the left
    std::vector<long double> Elevation{0};
    std::vector<int> PointCode{0};           // -8/-5 left, 8/5 right
    std::vector<long double> PointExtra1{0}; // kept, read by nobody
    std::vector<long double> PointExtra2{0};
    long double HeaderExtra1 = 0;            // fifth value of the header, kept
    long double HeaderExtra2 = 0;            // sixth value of the header, kept

    // Number of point slots stored (index 0 included).
    int Slots() const { return static_cast<int>(Offset.size()); }
    // Makes point i addressable (zero-filled).
    void EnsurePoint(int i);

    // Reads of point i that answer 0 / "" beyond what the file gave.
    long double OffsetAt(int i) const { return At(Offset, i); }
    long double ElevationAt(int i) const { return At(Elevation, i); }
    long double EastAt(int i) const { return At(East, i); }
    long double NorthAt(int i) const { return At(North, i); }
    int CodeAt(int i) const { return (i >= 0 && i < int(PointCode.size())) ? PointCode[i] : 0; }

private:
    static long double At(const std::vector<long double>& v, int i) {
        return (i >= 0 && i < int(v.size())) ? v[i] : 0.0L;
    }
};

inline void TSecao::EnsurePoint(int i) {
    if (i < Slots()) return;
    std::size_t n = static_cast<std::size_t>(i) + 1;
    East.resize(n, 0);
    North.resize(n, 0);
    PointLabel.resize(n);
    Offset.resize(n, 0);
    Elevation.resize(n, 0);
    PointCode.resize(n, 0);
    PointExtra1.resize(n, 0);
    PointExtra2.resize(n, 0);
}

}  // namespace engine
