#include "emission_table.h"

namespace tubeline {

EmissionTable::EmissionTable(int highest) : rowStart_(highest + 1, 0) {
    std::size_t size = 0;
    for (int m = 1; m <= highest; ++m) {
        rowStart_[m] = size;
        size += RowLength(m);
    }
    values_.resize(size);
}

}  // namespace tubeline
