// Stage maps come from users' folders: whatever the bytes, the reader must
// either refuse them or give a board that writes back to an equal board.
#include "StageMapFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const stagemap::ReadResult r = stagemap::parse(text);
    if (r.ok()) {
        const stagemap::ReadResult again = stagemap::parse(stagemap::format(r.board));
        if (!again.ok() || !(again.board == r.board))
            std::abort();
    } else if (r.valuesRead < 0 || r.valuesRead >= BoardCells) {
        std::abort();
    }
    return 0;
}
