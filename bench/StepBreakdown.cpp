#include "StepBreakdown.h"

#include "DoEvents.h"
#include "FitPictureToPreview.h"
#include "PictureSurface.h"
#include "RuntimeError.h"
#include "StdPicture.h"

#include <FreeImage.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

StepBreakdown::StepBreakdown(
    PictureSurface& preview, QSize box, QString text, double xTwips, double yTwips)
    : m_preview(preview)
    , m_box(box)
    , m_text(std::move(text))
    , m_x(xTwips)
    , m_y(yTwips)
{
}

const char* StepBreakdown::name(Step step)
{
    switch (step) {
    case Prepare:
        return "preview to client area";
    case Decode:
        return "decode (scaled)";
    case Fit:
        return "fit into preview";
    case Text:
        return "print text";
    case Repaint:
        return "repaint (events)";
    case BitmapWrite:
        return "write temporary BMP";
    case BitmapRead:
        return "FreeImage read BMP";
    case Encode:
        return "FreeImage JPEG encode";
    case Reload:
        return "reload final into preview";
    case StepCount:
        break;
    }
    return "?";
}

Stopwatch::Lap StepBreakdown::sum() const
{
    Stopwatch::Lap sum;
    for (const Stopwatch::Lap& lap : m_totals)
        sum += lap;
    return sum;
}

void StepBreakdown::run(const QStringList& paths, const QString& targetFolder)
{
    QDir().mkpath(targetFolder);
    for (const QString& path : paths)
        runOne(path, targetFolder);
}

void StepBreakdown::runOne(const QString& path, const QString& targetFolder)
{
    Stopwatch clock;
    auto lap = [&](Step step) { m_totals[step] += clock.lap(); };
    const QString base = QFileInfo(path).completeBaseName();
    const QString temporary
        = targetFolder + QStringLiteral("/adtx-") + base + QStringLiteral(".bmp");
    const QString final = targetFolder + QStringLiteral("/adt-") + base + QStringLiteral(".jpg");

    clock.restart();
    m_preview.setAutoRedraw(true);
    m_preview.setScaleMode(PictureSurface::ScaleMode::Twips);
    m_preview.setGeometry(QRect(QPoint(0, 0), m_box));
    m_preview.show();
    lap(Prepare);
    const StdPicture picture = LoadPicture(path, m_preview.size());
    lap(Decode);
    FitPictureToPreview(m_preview, picture);
    lap(Fit);
    m_preview.currentX = m_x;
    m_preview.currentY = m_y;
    m_preview.print(m_text);
    lap(Text);
    DoEvents();
    lap(Repaint);
    SavePicture(m_preview.image(), temporary);
    lap(BitmapWrite);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, temporaryName.constData(), 0);
    if (!bitmap)
        throw RuntimeError(QStringLiteral("Cannot read %1").arg(temporary));
    lap(BitmapRead);
    const bool saved = FreeImage_Save(FIF_JPEG, bitmap, QFile::encodeName(final).constData(), 0);
    FreeImage_Unload(bitmap);
    QFile::remove(temporary);
    if (!saved)
        throw RuntimeError(QStringLiteral("Cannot write %1").arg(final));
    lap(Encode);
    m_preview.clearPicture();
    m_preview.setPicture(LoadPicture(final).image);
    lap(Reload);
    ++m_pictures;
}
