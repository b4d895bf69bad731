// Saved games come from users' folders: whatever the bytes, the reader must
// either refuse them at a line of the file or give a record that writes back
// to an equal record.
#include "SavedGameFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const savedgame::ParseResult r = savedgame::parse(bytes);
    if (r.record) {
        const savedgame::ParseResult again = savedgame::parse(savedgame::format(*r.record));
        if (!again.record || !(*again.record == *r.record))
            std::abort();
    } else if (r.problem.line < 1 || r.problem.line > savedgame::Lines || r.problem.what.isEmpty()) {
        std::abort();
    }
    return 0;
}
