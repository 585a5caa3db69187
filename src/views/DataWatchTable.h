#pragma once
// The data watch grid: the whole 8192-byte image as 512 lines of 16 bytes,
// each byte as two hexadecimal digits. Its fields are the image bytes, a
// row of sixteen repeated every 16 bytes; nothing in the grid is edited.
#include "model/MemoryMap.h"
#include "app/RecordTable.h"

namespace DataWatchTable {
constexpr int kGrid = 3547;
constexpr int kLineBytes = 16;
constexpr int kLines = static_cast<int>(Image::kSize) / kLineBytes;
// Column 0 (the line headings) and columns 1-16 in pixels.
constexpr int kHeadingWidth = 66;
constexpr int kByteWidth = 26;

TableConfig config();

// The grid cell (row, column from 0) of an image byte.
struct Cell {
    int row;
    int column;
};
constexpr Cell cellOf(std::size_t offset)
{
    return {static_cast<int>(offset / kLineBytes), static_cast<int>(offset % kLineBytes)};
}
}  // namespace DataWatchTable
