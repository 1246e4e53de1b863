#pragma once

#include <QString>

// One text in both languages.
struct BilingualText {
    const char* bm;
    const char* eng;
};

// "bm" (exactly) is Malay; any other code is English.
inline bool isMalay(const QString& code) { return code == QLatin1String("bm"); }

inline QString pick(const QString& code, const char* bm, const char* eng)
{
    return QString::fromUtf8(isMalay(code) ? bm : eng);
}

inline QString pick(const QString& code, const BilingualText& text)
{
    return pick(code, text.bm, text.eng);
}
