// The price-list reader on any bytes: it never crashes, and whatever rows it
// reads, the writer writes so that reading them again gives the same rows.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/model/price_list.h"

using namespace castovin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const PriceListRead first = ParsePriceList(std::string_view(reinterpret_cast<const char*>(bytes), size));
    if (first.problem)
        return 0;
    const std::string written = PriceListText(first.rows);
    const PriceListRead second = ParsePriceList(written);
    if (second.problem || second.rows != first.rows)
        std::abort();  // the reader refuses or changes what the writer wrote
    if (PriceListText(second.rows) != written)
        std::abort();  // writing is not stable
    return 0;
}
