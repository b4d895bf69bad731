#include "StageMapFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace stagemap {
namespace {

constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

// Whole decimal number with an optional sign; false when it is not one.
bool parseInteger(std::string_view s, long long& out, bool& overflow)
{
    overflow = false;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        if (v < 1000000)
            v = v * 10 + (s[i] - '0');
        else
            overflow = true;
    }
    out = negative ? -v : v;
    return true;
}

} // namespace

ReadResult parse(std::string_view text)
{
    ReadResult r;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t pos = 0;
    while (r.valuesRead < BoardCells) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        if (pos == text.size()) {
            r.error = ReadError::TooFewValues;
            return r;
        }
        std::size_t end = pos;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view token = text.substr(pos, end - pos);
        pos = end;
        long long value = 0;
        bool overflow = false;
        if (!parseInteger(token, value, overflow)) {
            r.error = ReadError::NotANumber;
            r.badValue = std::string(token.substr(0, 24));
            return r;
        }
        if (overflow || value < -32768 || value > 32767) {
            r.error = ReadError::OutOfRange;
            r.badValue = std::string(token.substr(0, 24));
            return r;
        }
        r.board.cells[r.valuesRead++] = static_cast<TileCode>(value);
    }
    return r;
}

ReadResult read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path)) {
        ReadResult r;
        r.error = ReadError::CannotOpen;
        return r;
    }
    std::string data(MaxFileBytes, '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return parse(data);
}

std::string format(const Board& board)
{
    std::string out;
    out.reserve(BoardCells * 5);
    for (TileCode code : board.cells) {
        out += std::to_string(code);
        out += "\r\n";
    }
    return out;
}

bool write(const std::string& path, const Board& board)
{
    const std::string tmp = path + ".part";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        const std::string text = format(board);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(tmp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, path, ec);
    if (ec) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

} // namespace stagemap
