#include "TestSupport.h"

#include "Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ScopedDialogs::ScopedDialogs()
{
    m_dialogs.setFailureHandler([](const QString& why) { ADD_FAILURE() << why.toStdString(); });
    Services::setDialogs(&m_dialogs);
}

ScopedDialogs::~ScopedDialogs()
{
    EXPECT_EQ(m_dialogs.pending(), 0) << "scripted dialog answers were left unused";
    Services::setDialogs(nullptr);
}

TempHome::TempHome()
    : m_previous(qgetenv("LUMARO_HOME"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("bg"));
    qputenv("LUMARO_HOME", QFile::encodeName(m_dir.path()));
}

TempHome::~TempHome()
{
    if (m_previous.isEmpty())
        qunsetenv("LUMARO_HOME");
    else
        qputenv("LUMARO_HOME", m_previous);
}

QImage solidImage(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

void writeImage(const QString& path, const QImage& image, const char* format)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

void writeText(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
