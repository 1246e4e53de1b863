// Runs one headless bulk Insert Text job over a folder of pictures and prints
// pictures per second and peak memory; then times the steps of one picture
// and the decode alone, so a slow run shows where its time goes.
#include "BenchMainWindow.h"
#include "JpegHeader.h"
#include "ProcessUsage.h"
#include "StepBreakdown.h"
#include "Stopwatch.h"

#include "FolderListing.h"
#include "HostPath.h"
#include "PictureSurface.h"
#include "RuntimeError.h"
#include "Screen.h"
#include "ScriptedDialogs.h"
#include "Services.h"
#include "StdPicture.h"
#include "ToolProfile.h"
#include "frm_Addtext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QSize kClientArea(1280, 900);

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "insert_text_bench: %s\n", qPrintable(why));
    std::exit(2);
}

// The pictures of the folder the tool accepts, in the order the run visits them.
QStringList acceptedPictures(const QString& folder)
{
    QStringList paths;
    FolderListing listing = FolderListing::ofFolder(folder);
    while (auto entry = listing.next()) {
        const int dot = entry->name.lastIndexOf(QLatin1Char('.'));
        const QString extension = dot < 0 ? QString() : entry->name.mid(dot).toLower();
        if (!entry->name.isEmpty() && ToolProfiles::insertText().accepts(extension))
            paths << HostPath::join(folder, entry->name);
    }
    return paths;
}

// Normal state, resized until the central area has exactly the wanted size.
void sizeClientArea(frm_Addtext& window, QSize wanted)
{
    window.setWindowState(Qt::WindowNoState);
    window.show();
    QCoreApplication::processEvents();
    for (int attempt = 0; attempt < 5 && window.client().size() != wanted; ++attempt) {
        window.resize(window.size() + (wanted - window.client().size()));
        QCoreApplication::processEvents();
    }
    if (window.client().size() != wanted)
        fail(QStringLiteral("client area is %1 x %2, not %3 x %4")
                 .arg(window.client().width())
                 .arg(window.client().height())
                 .arg(wanted.width())
                 .arg(wanted.height()));
}

struct DecodeTimes {
    Stopwatch::Lap progressive;
    int progressiveCount = 0;
    Stopwatch::Lap baseline;
    int baselineCount = 0;
    QSize largest; // decoded size of the largest picture
};

DecodeTimes timeDecoding(const QStringList& paths, QSize box)
{
    DecodeTimes times;
    for (const QString& path : paths) {
        const bool progressive = JpegHeader::read(path).progressive;
        Stopwatch clock;
        const StdPicture picture = LoadPicture(path, box);
        const Stopwatch::Lap lap = clock.lap();
        if (progressive) {
            times.progressive += lap;
            ++times.progressiveCount;
        } else {
            times.baseline += lap;
            ++times.baselineCount;
        }
        if (qint64(picture.image.width()) * picture.image.height()
            > qint64(times.largest.width()) * times.largest.height())
            times.largest = picture.image.size();
    }
    return times;
}

void printLap(const char* label, Stopwatch::Lap total, int count)
{
    count = std::max(count, 1);
    std::printf("  %-28s %7.1f | %7.1f\n", label, total.wallMs / count, total.processorMs / count);
}

void printDecodeTimes(const char* label, const DecodeTimes& times)
{
    std::printf("%s, ms/picture (wall | processor):\n", label);
    Stopwatch::Lap all = times.progressive;
    all += times.baseline;
    printLap("all", all, times.progressiveCount + times.baselineCount);
    printLap(qPrintable(QStringLiteral("progressive (%1)").arg(times.progressiveCount)),
        times.progressive, times.progressiveCount);
    printLap(qPrintable(QStringLiteral("baseline (%1)").arg(times.baselineCount)), times.baseline,
        times.baselineCount);
    std::printf("  largest decoded: %d x %d = %.1f MiB at 32 bits per pixel\n",
        times.largest.width(), times.largest.height(),
        double(times.largest.width()) * times.largest.height() * 4 / (1 << 20));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // An empty Lumaro home: no window background is decoded along the way.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("LUMARO_HOME"))
        qputenv("LUMARO_HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    Screen::pin(96, 96, 1920, 1080, 32);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Headless bulk Insert Text run over a folder of pictures into a 1280 x 900 client area."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("folder of pictures"));
    parser.addPositionalArgument(
        QStringLiteral("target"), QStringLiteral("folder for the results"));
    const QCommandLineOption textOption(QStringLiteral("text"), QStringLiteral("text to print"),
        QStringLiteral("text"), QStringLiteral("Lumaro"));
    const QCommandLineOption xOption(QStringLiteral("x"), QStringLiteral("click X, twips"),
        QStringLiteral("twips"), QStringLiteral("1530"));
    const QCommandLineOption yOption(QStringLiteral("y"), QStringLiteral("click Y, twips"),
        QStringLiteral("twips"), QStringLiteral("795"));
    const QCommandLineOption jobOnly(
        QStringLiteral("job-only"), QStringLiteral("skip the step and decode timings"));
    parser.addOptions({ textOption, xOption, yOption, jobOnly });
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(1);
    const QString source = QDir(parser.positionalArguments()[0]).absolutePath();
    const QString target = QDir(parser.positionalArguments()[1]).absolutePath();
    const QString text = parser.value(textOption);
    const double x = parser.value(xOption).toDouble();
    const double y = parser.value(yOption).toDouble();
    QDir().mkpath(target);

    const QStringList pictures = acceptedPictures(source);
    if (pictures.isEmpty())
        fail(QStringLiteral("no pictures in %1").arg(source));

    ScriptedDialogs dialogs;
    dialogs.setFailureHandler([](const QString& why) { fail(why); });
    Services::setDialogs(&dialogs);
    BenchMainWindow mainWindow;
    frm_Addtext window(mainWindow);
    sizeClientArea(window, kClientArea);

    dialogs.folder(source);
    window.mnu_bulk_Click();
    dialogs.folder(target);
    window.mnu_folder_Click();
    window.mnu_load_Click();
    dialogs.text(text);
    window.mnu_addtext_Click();
    window.Picture1_MouseMove(x, y);
    window.Picture1_Click();

    const double memoryBefore = peakMemoryMiB();
    dialogs.ok(); // the report
    const ProcessTimes before = ProcessTimes::now();
    Stopwatch clock;
    window.mnu_sav_Click();
    const Stopwatch::Lap job = clock.lap();
    const ProcessTimes used = ProcessTimes::now() - before;
    const double seconds = job.wallMs / 1e3;
    const double processor = job.processorMs / 1e3;
    const double memoryPeak = peakMemoryMiB();
    if (dialogs.pending() != 0 || dialogs.calls().isEmpty())
        fail(QStringLiteral("the run ended without its report"));
    const QString report = dialogs.last().text.section(QLatin1Char('\r'), 0, 0);
    const int written
        = int(QDir(target).entryList({ QStringLiteral("adt-*") }, QDir::Files).size());
    if (written != pictures.size())
        fail(QStringLiteral("%1 pictures written, %2 expected (report: %3)")
                 .arg(written)
                 .arg(pictures.size())
                 .arg(report));

    std::printf("report: %s\n", qPrintable(report));
    std::printf("pictures: %d in %.3f s (processor time %.3f s: user %.3f s, system %.3f s)\n",
        int(pictures.size()), seconds, processor, used.userSeconds, used.systemSeconds);
    std::printf("Lumaro pictures/s: %.2f (by processor time %.2f)\n", pictures.size() / seconds,
        pictures.size() / processor);
    // pictures, wall seconds, processor seconds: read by run.sh
    std::printf("result: %d %.4f %.4f\n", int(pictures.size()), seconds, processor);
    std::printf(
        "peak memory (ru_maxrss): %.1f MiB (%.1f MiB before the run)\n", memoryPeak, memoryBefore);
    std::printf("fresh pages (minor faults): %.0f per picture = %.1f MiB per picture\n",
        double(used.minorFaults) / pictures.size(),
        double(used.minorFaults) * ProcessTimes::pageMiB() / pictures.size());
    if (parser.isSet(jobOnly))
        return 0;

    // The same work step by step, into a folder of its own.
    StepBreakdown steps(*window.Picture1, kClientArea, text, x, y);
    try {
        steps.run(pictures, target + QStringLiteral("/steps"));
    } catch (const RuntimeError& e) {
        fail(e.description());
    }
    std::printf("steps of one picture, done one by one, ms/picture (wall | processor):\n");
    for (int s = 0; s < StepBreakdown::StepCount; ++s)
        printLap(StepBreakdown::name(StepBreakdown::Step(s)), steps.total(StepBreakdown::Step(s)),
            steps.pictures());
    printLap("sum", steps.sum(), steps.pictures());

    printDecodeTimes("decode only, fitted to 1280 x 900", timeDecoding(pictures, kClientArea));
    printDecodeTimes("decode only, full size", timeDecoding(pictures, QSize()));
    return 0;
}
