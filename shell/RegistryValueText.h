#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A registry value as the About window shows it: a text value as it stands
// (without its closing NUL), a 32-bit value as "&h" and two hexadecimal digits
// per byte, most significant byte first ("&h00010203"). Other types give the
// empty text.
QString RegistryValueText(uint32_t type, const QByteArray& data);
