#pragma once

#include "Stopwatch.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

class PictureSurface;

// Times, one by one, the steps the Insert Text run takes for each picture,
// done the same way on the tool's own preview: the preview spread over the
// client area, scaled decode, fit into the preview, text, the repaint, the
// temporary bitmap, its re-read and the final encode, and the reload of the
// final file into the preview. Kept in step with frm_Addtext::processPicture.
class StepBreakdown {
public:
    enum Step {
        Prepare,
        Decode,
        Fit,
        Text,
        Repaint,
        BitmapWrite,
        BitmapRead,
        Encode,
        Reload,
        StepCount
    };

    // box: the client area the preview is spread over before each picture.
    StepBreakdown(PictureSurface& preview, QSize box, QString text, double xTwips, double yTwips);

    // Works through the pictures, writing into targetFolder (".jpg" only).
    void run(const QStringList& paths, const QString& targetFolder);

    static const char* name(Step step);
    const Stopwatch::Lap& total(Step step) const { return m_totals[step]; }
    Stopwatch::Lap sum() const;
    int pictures() const { return m_pictures; }

private:
    void runOne(const QString& path, const QString& targetFolder);

    PictureSurface& m_preview;
    QSize m_box;
    QString m_text;
    double m_x;
    double m_y;
    std::array<Stopwatch::Lap, StepCount> m_totals {};
    int m_pictures = 0;
};
