#include "StageMapFile.h"

#include "SafeFile.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace stagemap {
namespace {

// A map is a few kilobytes; a file far larger is only looked at this far.
constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

enum class Number { Ok, NotANumber, OutOfRange };

// A whole decimal number with an optional sign that fits a tile code.
Number parseCode(std::string_view token, TileCode& code)
{
    const bool plus = token.front() == '+';
    const std::string_view digits = token.substr(plus ? 1 : 0);
    if (plus && digits.starts_with('-'))
        return Number::NotANumber;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, code);
    if (stop != end || error == std::errc::invalid_argument)
        return Number::NotANumber;
    return error == std::errc::result_out_of_range ? Number::OutOfRange : Number::Ok;
}

} // namespace

ReadResult parse(std::string_view text)
{
    ReadResult r;
    if (text.starts_with("\xEF\xBB\xBF"))
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
        const Number n = parseCode(token, r.board.cells[r.valuesRead]);
        if (n != Number::Ok) {
            r.error = n == Number::NotANumber ? ReadError::NotANumber : ReadError::OutOfRange;
            r.badValue = std::string(token.substr(0, 24));
            return r;
        }
        ++r.valuesRead;
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
    // Piece by piece, so that a map of a few kilobytes does not cost a
    // buffer of the whole limit.
    std::string data;
    char piece[64 * 1024];
    while (data.size() < MaxFileBytes) {
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, MaxFileBytes - data.size())));
        if (in.gcount() <= 0)
            break;
        data.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    return parse(data);
}

std::string format(const Board& board)
{
    std::string out;
    for (TileCode code : board.cells) {
        out += std::to_string(code);
        out += "\r\n";
    }
    return out;
}

bool write(const std::string& path, const Board& board, QString* error)
{
    QString why;
    return safefile::write(QFile::decodeName(QByteArray::fromStdString(path)), QByteArray::fromStdString(format(board)),
                           error ? error : &why);
}

} // namespace stagemap
