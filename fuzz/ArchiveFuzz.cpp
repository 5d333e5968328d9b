// Unpacks arbitrary bytes in memory: must return an error or a consistent
// result, never crash, hang or allocate ahead of the data.
#include "skinfiles/ovSkinPack.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TovSkinConvertor convertor;
    convertor.Source.assign(data, data + size);
    const std::string error = convertor.Unpack();
    const bool consistent = error.empty()
                                ? convertor.OptionsData.has_value() && convertor.ItemCount == int(convertor.ImageItems.size())
                                : !convertor.OptionsData && convertor.ImageItems.empty() && convertor.Source.empty();
    if (!consistent)
        std::abort();
    return 0;
}
