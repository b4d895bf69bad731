// The high-score table is read leniently: whatever the bytes, reading gives
// ten entries that write back to a table that reads the same.
#include "HighScoreFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const highscores::Table t = highscores::parse(bytes);
    const QByteArray written = highscores::format(t);
    if (highscores::parse(written) != t || written.count('\n') != 2 * highscores::Entries)
        std::abort();
    return 0;
}
