#include "RegistryValueText.h"

#include "Registry.h"

#include <QFile>

QString RegistryValueText(uint32_t type, const QByteArray& data)
{
    if (type == Registry::StringType) {
        QByteArray text = data;
        if (text.endsWith('\0'))
            text.chop(1);
        return QFile::decodeName(text);
    }
    if (type == Registry::DwordType) {
        // Every byte keeps both digits, and a zero high byte is a digit pair
        // like any other: dropping either would give another number.
        QString digits = QStringLiteral("&h");
        for (auto byte = data.crbegin(); byte != data.crend(); ++byte)
            digits += QStringLiteral("%1")
                          .arg(uint(uint8_t(*byte)), 2, 16, QLatin1Char('0'))
                          .toUpper();
        return digits;
    }
    return {};
}
