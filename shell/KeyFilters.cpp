#include "KeyFilters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace {

void filterBySet(int16_t& keyAscii, const char* allowed)
{
    if (keyAscii <= 26)
        return;
    for (const char* c = allowed; *c; ++c)
        if (keyAscii == int16_t(static_cast<unsigned char>(*c)))
            return;
    keyAscii = 0;
}

class KeyFilterObject : public QObject {
public:
    KeyFilterObject(QLineEdit* box, KeyFilter filter)
        : QObject(box)
        , m_filter(filter)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.isEmpty())
            return false; // navigation keys type nothing
        for (const QChar c : text) {
            if (c.unicode() == 0x7F)
                continue; // Delete edits, it types no character
            // Characters outside the 8-bit code page can never be in a set.
            int16_t code = c.unicode() > 0xFF ? int16_t(0x7FFF) : int16_t(c.unicode());
            m_filter(code);
            if (code == 0)
                return true;
        }
        return false;
    }

private:
    KeyFilter m_filter;
};

} // namespace

void FilterDigitKey(int16_t& keyAscii) { filterBySet(keyAscii, "0123456789"); }

void FilterFileNameKey(int16_t& keyAscii)
{
    filterBySet(keyAscii, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_&");
}

void installKeyFilter(QLineEdit* box, KeyFilter filter)
{
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new KeyFilterObject(box, filter));
}
