#pragma once

#include "ScriptedDialogs.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Installs scripted dialogs for one test; an unscripted dialog fails the test
// and is answered No/Cancel, and answers left over at the end fail it too.
class ScopedDialogs {
public:
    ScopedDialogs();
    ~ScopedDialogs();
    ScriptedDialogs* operator->() { return &m_dialogs; }
    ScriptedDialogs& operator*() { return m_dialogs; }

private:
    ScriptedDialogs m_dialogs;
};

// A temporary folder that is also the Lumaro home ($LUMARO_HOME) for the test.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

// Small fixture pictures made by the tests themselves.
QImage solidImage(int width, int height, QColor color);
void writeImage(const QString& path, const QImage& image, const char* format);
void writeText(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
