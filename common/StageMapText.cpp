#include "StageMapText.h"

namespace stagemap {

QString problemText(const ReadResult& r)
{
    const QString bad = QString::fromUtf8(r.badValue.data(), static_cast<int>(r.badValue.size()));
    switch (r.error) {
    case ReadError::CannotOpen:
        return QStringLiteral("找不到這個地圖檔，或沒有權限開啟它。");
    case ReadError::TooFewValues:
        return QStringLiteral("地圖檔不完整：需要 520 個圖塊代碼，只讀到 %1 個。").arg(r.valuesRead);
    case ReadError::NotANumber:
        return QStringLiteral("第 %1 個圖塊代碼「%2」不是整數。").arg(r.valuesRead + 1).arg(bad);
    case ReadError::OutOfRange:
        return QStringLiteral("第 %1 個圖塊代碼「%2」超出範圍（-32768 到 32767）。").arg(r.valuesRead + 1).arg(bad);
    case ReadError::None:
        break;
    }
    return {};
}

} // namespace stagemap
