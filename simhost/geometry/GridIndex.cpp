#include "simhost/geometry/GridIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace simhost::geometry {
namespace {

constexpr int kMostColumns = 1024;
// A box covering more cells than this is kept aside.
constexpr int64_t kMostCellsPerBox = 64;
constexpr double kThinnest = 1e-6;

int divisions(double length, double cell) {
    return std::clamp(static_cast<int>(std::ceil(length / cell)), 1, kMostColumns);
}

}  // namespace

void GridIndex::build(const std::vector<Bounds>& boxes) {
    *this = GridIndex();
    size_t count = 0;
    double sizes = 0;
    for (const Bounds& box : boxes) {
        if (box.empty) continue;
        extent_.merge(box);
        sizes += std::max(box.right - box.left, box.top - box.bottom);
        ++count;
    }
    if (count == 0) return;
    double width = std::max(extent_.right - extent_.left, kThinnest);
    double height = std::max(extent_.top - extent_.bottom, kThinnest);
    // About one box per cell, but no cell smaller than a box of average size.
    double cell = std::max({std::sqrt(width * height / static_cast<double>(count)),
                            sizes / static_cast<double>(count), kThinnest});
    columns_ = divisions(width, cell);
    rows_ = divisions(height, cell);
    cellWidth_ = width / columns_;
    cellHeight_ = height / rows_;
    cells_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), {});
    for (size_t i = 0; i < boxes.size(); ++i) {
        int c0, r0, c1, r1;
        if (boxes[i].empty || !span(boxes[i], &c0, &r0, &c1, &r1)) continue;
        if (static_cast<int64_t>(c1 - c0 + 1) * (r1 - r0 + 1) > kMostCellsPerBox) {
            large_.push_back(i);
            continue;
        }
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                cells_[static_cast<size_t>(r) * static_cast<size_t>(columns_) +
                       static_cast<size_t>(c)]
                    .push_back(i);
    }
}

bool GridIndex::span(const Bounds& box, int* column0, int* row0, int* column1, int* row1) const {
    if (columns_ == 0 || box.empty || box.right < extent_.left || box.left > extent_.right ||
        box.top < extent_.bottom || box.bottom > extent_.top)
        return false;
    auto column = [this](double x) {
        return std::clamp(static_cast<int>(std::floor((x - extent_.left) / cellWidth_)), 0,
                          columns_ - 1);
    };
    auto row = [this](double y) {
        return std::clamp(static_cast<int>(std::floor((y - extent_.bottom) / cellHeight_)), 0,
                          rows_ - 1);
    };
    *column0 = column(box.left);
    *column1 = column(box.right);
    *row0 = row(box.bottom);
    *row1 = row(box.top);
    return true;
}

std::vector<size_t> GridIndex::query(const Bounds& box) const {
    std::vector<size_t> found = large_;
    int c0, r0, c1, r1;
    if (span(box, &c0, &r0, &c1, &r1)) {
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                const auto& cell = cells_[static_cast<size_t>(r) * static_cast<size_t>(columns_) +
                                          static_cast<size_t>(c)];
                found.insert(found.end(), cell.begin(), cell.end());
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace simhost::geometry
