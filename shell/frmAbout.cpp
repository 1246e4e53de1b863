#include "frmAbout.h"

#include "Artwork.h"
#include "Dialogs.h"
#include "FileExists.h"
#include "HostPath.h"
#include "PictureSurface.h"
#include "RegistryValueText.h"
#include "Screen.h"
#include "Services.h"
#include "Shell.h"

#include <QBoxLayout>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>

#include <exception>

namespace {

const QString kTitle = QStringLiteral("Lumaro");
constexpr const char* kVersion = "1.1";

// Where the system information program is registered: first its own key, then
// the folder of shared tools that should hold it.
const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoValue = QStringLiteral("PATH");
const QString kSysInfoLocKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoLocValue = QStringLiteral("MSINFO");
const QString kSysInfoProgram = QStringLiteral("MSINFO32.EXE");

constexpr uint32_t kKeyAllAccess = 0x2003F;
constexpr uint32_t kValueBufferSize = 1024;

// Client area in twips (560 x 420 pixels at 96 dots per inch).
constexpr double kClientWidthTwips = 8400;
constexpr double kClientHeightTwips = 6300;
constexpr int kBandWidth = 112; // the dark band behind the icon, pixels

// The built-in background: a dusk band with hills on the left, where the icon
// sits, and warm paper for the texts.
QImage aboutBackground(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width(), h = size.height();

    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0.0, QColor(255, 253, 246));
    paper.setColorAt(1.0, QColor(238, 233, 220));
    p.fillRect(image.rect(), paper);

    const QRectF band(0, 0, kBandWidth, h);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(28, 52, 94));
    sky.setColorAt(0.6, QColor(74, 126, 178));
    sky.setColorAt(1.0, QColor(236, 190, 120));
    p.fillRect(band, sky);
    QRadialGradient sun(QPointF(kBandWidth * 0.65, h * 0.72), kBandWidth * 0.6);
    sun.setColorAt(0, QColor(255, 236, 180, 220));
    sun.setColorAt(1, QColor(255, 236, 180, 0));
    p.fillRect(band, sun);
    QPainterPath hills;
    hills.moveTo(0, h * 0.80);
    hills.cubicTo(kBandWidth * 0.3, h * 0.70, kBandWidth * 0.6, h * 0.86, kBandWidth, h * 0.76);
    hills.lineTo(kBandWidth, h);
    hills.lineTo(0, h);
    p.fillPath(hills, QColor(24, 48, 52));

    p.fillRect(QRectF(kBandWidth, 0, 3, h), QColor(236, 190, 120));
    // A faint stack of photo frames in the lower right corner.
    for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(w - 120 + i * 18, h - 150 + i * 10);
        p.rotate(-10 + i * 12);
        p.setPen(QPen(QColor(0, 0, 0, 18), 1.5));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRect(QRectF(0, 0, 90, 68));
        p.restore();
    }
    p.end();
    return image;
}

QLabel* makeLabel(QWidget* parent, const char* name, double points, bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmAbout::frmAbout(MainWindowFace& main, QWidget* parent)
    : ChildWindow(main, parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kTitle);
    setWindowIcon(QPixmap::fromImage(Artwork::programIcon(64)));

    const QSize clientSize(
        Screen::twipsToPixels(kClientWidthTwips, 0), Screen::twipsToPixels(kClientHeightTwips, 1));
    PictureSurface& surface = client();
    surface.setPicture(aboutBackground(clientSize));
    QPalette ink = surface.palette();
    ink.setColor(QPalette::WindowText, QColor(32, 32, 36));
    surface.setPalette(ink);

    picIcon = new QLabel(&surface);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap::fromImage(Artwork::programIcon(64)));
    picIcon->setToolTip(kTitle);
    picIcon->setAccessibleName(kTitle);
    picIcon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picIcon->setFixedWidth(kBandWidth);

    lblTitle = makeLabel(&surface, "lblTitle", 20, true);
    lblTitle->setText(QStringLiteral("Lumaro 1.1"));
    QFont titleFont = lblTitle->font();
    titleFont.setFamily(QStringLiteral("Liberation Serif"));
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel(&surface, "lblVersion", 9);
    lblDescription = makeLabel(&surface, "lblDescription", 9.5);
    lblDisclaimer = makeLabel(&surface, "lblDisclaimer", 8);
    QPalette muted = lblDisclaimer->palette();
    muted.setColor(QPalette::WindowText, QColor(84, 80, 72));
    lblDisclaimer->setPalette(muted);

    cmdOK = new QPushButton(QStringLiteral("OK"), &surface);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), &surface);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    // Enter on the focused button presses it; elsewhere Enter means OK.
    cmdSysInfo->setAutoDefault(true);
    for (QPushButton* button : { cmdOK, cmdSysInfo })
        button->setMinimumWidth(Screen::twipsToPixels(1500, 0));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    setTabOrder(cmdOK, cmdSysInfo);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(10);
    texts->addWidget(lblDescription);
    texts->addStretch(1);
    texts->addWidget(lblDisclaimer);
    texts->addSpacing(10);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    texts->addLayout(buttons);

    auto* columns = new QHBoxLayout(&surface);
    columns->setContentsMargins(0, 20, 20, 16);
    columns->setSpacing(20);
    columns->addWidget(picIcon);
    columns->addLayout(texts, 1);

    setFixedSize(clientSize);
}

void frmAbout::Form_Activate()
{
    setWindowTitle(kTitle);
    lblTitle->setText(kTitle);
    const QString year = QString::number(QDate::currentDate().year());
    lblVersion->setText(
        pick("Versi %1\nHak cipta \u00A9 %2 pembangun Lumaro. Hak cipta terpelihara.",
            "Version %1\nCopyright \u00A9 %2 the Lumaro developers. All rights reserved.")
            .arg(QLatin1String(kVersion), year));
    lblDescription->setText(
        pick("Lumaro adalah aplikasi yang mempunyai keupayaan untuk memasukkan teks pada gambar, "
             "menambah teks dan logo watermark pada gambar, bina fail GIF animasi, ubah posisi "
             "gambar dan menamakan semula fail-fail samada secara"
             " satu persatu atau secara pukal.",
            "Lumaro is an image application that has the capabilities of adding text on the "
            "image, adding text and logo watermark on the image either on single or "
            "bulk image files and etc at once."));
    lblDisclaimer->setText(pick(
        "Amaran: Lumaro disediakan \"seadanya\", tanpa sebarang jaminan. Alat gambar menulis "
        "fail baharu ke dalam direktori sasaran tanpa mengubah gambar asal, tetapi fail sedia "
        "ada yang sama nama akan digantikan, dan Penamaan Fail Secara Pukal menukar nama fail "
        "asal itu sendiri. Simpan salinan fail yang penting. Penggunaan program ini adalah atas "
        "risiko anda sendiri.",
        "Warning: Lumaro is provided \"as is\", without warranty of any kind. The picture tools "
        "write new files into the target folder and leave your originals alone, but existing "
        "files of the same name are replaced, and Rename File in Bulk renames the original "
        "files themselves. Keep a copy of files that matter. You use this program at your own "
        "risk."));
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click() { leave(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    try {
        QString sysInfoPath;
        if (!GetKeyValue(Registry::LocalMachine, kSysInfoKey, kSysInfoValue, sysInfoPath)) {
            QString folder;
            if (!GetKeyValue(Registry::LocalMachine, kSysInfoLocKey, kSysInfoLocValue, folder)
                || !FileExists(HostPath::join(folder, kSysInfoProgram))) {
                sysInfoUnavailable();
                return;
            }
            sysInfoPath = HostPath::join(folder, kSysInfoProgram);
        }
        if (sysInfoPath.isEmpty() || !Services::shell().start(sysInfoPath))
            sysInfoUnavailable();
    } catch (const std::exception&) {
        sysInfoUnavailable();
    }
}

void frmAbout::sysInfoUnavailable()
{
    Services::dialogs().plain(
        this, kTitle, QStringLiteral("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(
    Registry::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    Registry& registry = Services::registry();
    Registry::Key hKey = 0;
    if (registry.openKey(KeyRoot, KeyName, kKeyAllAccess, hKey) != Registry::Success) {
        KeyVal.clear();
        return false;
    }
    QByteArray buffer(int(kValueBufferSize), '\0');
    uint32_t size = kValueBufferSize;
    uint32_t type = 0;
    if (registry.queryValue(hKey, SubKeyRef, type, buffer, size) != Registry::Success) {
        KeyVal.clear();
        registry.closeKey(hKey); // the key is given back on every path
        return false;
    }
    KeyVal = RegistryValueText(type, buffer.left(int(size)));
    registry.closeKey(hKey);
    return true;
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // OK is the default and the cancel button: Escape anywhere, and Enter when
    // no button has the focus to take it, both press it.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            cmdOK->click();
            return;
        }
        break;
    default:
        break;
    }
    ChildWindow::keyPressEvent(event);
}
