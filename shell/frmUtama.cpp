#include "frmUtama.h"

#include "ActivationTracker.h"
#include "Artwork.h"
#include "Dialogs.h"
#include "Language.h"
#include "LumaroHome.h"
#include "PictureSurface.h"
#include "Screen.h"
#include "Services.h"
#include "Shell.h"
#include "WindowBackground.h"
#include "WindowOpener.h"

#include <QAction>
#include <QCloseEvent>
#include <QShowEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QToolButton>

namespace {

struct MenuCaption {
    const char* design;
    const char* bm;
    const char* eng;
};

constexpr MenuCaption kAddtext{"Insert &Text on Picture", "Masukkan Teks Di Gambar",
                               "Insert Text on Picture"};
constexpr MenuCaption kTxtWatermark{"Add &Text Watermark", "Letak Teks Watermark",
                                    "Add Text Watermark"};
constexpr MenuCaption kLogoWatermark{"Add &LOGO Watermark", "Letak LOGO Watermark",
                                     "Add LOGO Watermark"};
constexpr MenuCaption kRotate{"&Rotate Picture", "Ubah Posisi Gambar", "Rotate Picture"};
constexpr MenuCaption kGif{"&Animated GIF", "Bina Fail GIF Animasi", "Animated GIF"};
constexpr MenuCaption kRen{"Re&name File in Bulk", "Penamaan Fail Secara Pukal",
                           "Rename File in Bulk"};
constexpr MenuCaption kAbout{"&Lumaro", "Lumaro", "Lumaro"};
constexpr MenuCaption kHelp{"&Help", "Bantuan", "Help"};
constexpr MenuCaption kMan{"&Manual", "&Manual", "&Manual"};
constexpr MenuCaption kContact{"&Contact Us", "Hubungi Kami", "Contact Us"};
constexpr MenuCaption kExit{"&Exit", "Keluar", "Exit"};

QToolButton* makeFlag(QWidget* parent, const char* name, const QString& tooltip, const QImage& art)
{
    auto* flag = new QToolButton(parent);
    flag->setObjectName(QLatin1String(name));
    flag->setToolTip(tooltip);
    flag->setAccessibleName(tooltip);
    flag->setAutoRaise(true);
    flag->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    flag->setIcon(QPixmap::fromImage(art));
    flag->setIconSize(art.size());
    flag->setFixedSize(art.size());
    flag->setCursor(Qt::PointingHandCursor);
    return flag;
}

} // namespace

frmUtama::frmUtama(QWidget* parent)
    : QMainWindow(parent)
    , m_client(new PictureSurface(QStringLiteral("client"), this))
{
    setObjectName(QStringLiteral("frmUtama"));
    setWindowIcon(QPixmap::fromImage(Artwork::programIcon(64)));
    m_client->setAccessibleName(QString());
    m_client->setPicture(Artwork::mainBackground());
    setCentralWidget(m_client);

    QMenuBar* bar = menuBar();
    auto addCommand = [&](const char* name, const MenuCaption& caption) {
        QAction* action = bar->addAction(QString::fromUtf8(caption.design));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnu_addtext = addCommand("mnu_addtext", kAddtext);
    mnu_txtwatermark = addCommand("mnu_txtwatermark", kTxtWatermark);
    mnu_logowatermark = addCommand("mnu_logowatermark", kLogoWatermark);
    mnu_rotate = addCommand("mnu_rotate", kRotate);
    mnu_gif = addCommand("mnu_gif", kGif);
    mnu_ren = addCommand("mnu_ren", kRen);
    mnu_about = addCommand("mnu_about", kAbout);
    mnu_help = bar->addMenu(QString::fromUtf8(kHelp.design));
    mnu_help->setObjectName(QStringLiteral("mnu_help"));
    mnu_man = mnu_help->addAction(QString::fromUtf8(kMan.design));
    mnu_man->setObjectName(QStringLiteral("mnu_man"));
    mnu_contact = mnu_help->addAction(QString::fromUtf8(kContact.design));
    mnu_contact->setObjectName(QStringLiteral("mnu_contact"));
    mnu_exit = addCommand("mnu_exit", kExit);

    const std::pair<QAction*, WindowId> openers[] = {
        {mnu_addtext, WindowId::Addtext}, {mnu_txtwatermark, WindowId::Watertext},
        {mnu_logowatermark, WindowId::WaterLogo}, {mnu_rotate, WindowId::Pusing},
        {mnu_gif, WindowId::AnimGif}, {mnu_ren, WindowId::RenBulk}, {mnu_about, WindowId::About}};
    for (const auto& [action, id] : openers)
        connect(action, &QAction::triggered, this, [this, id = id] { openWindow(id); });
    connect(mnu_man, &QAction::triggered, this, &frmUtama::mnu_man_Click);
    connect(mnu_contact, &QAction::triggered, this, &frmUtama::mnu_contact_Click);
    connect(mnu_exit, &QAction::triggered, this, &frmUtama::mnu_exit_Click);

    PicBM = makeFlag(m_client, "PicBM", QStringLiteral("Bahasa Malaysia"), Artwork::malaysianFlag());
    PicEng = makeFlag(m_client, "PicEng", QStringLiteral("English"), Artwork::britishFlag());
    placeFlag(PicBM, kPicBMLeftTwips, kFlagTopTwips);
    placeFlag(PicEng, kPicEngLeftTwips, kFlagTopTwips);
    connect(PicBM, &QToolButton::clicked, this, &frmUtama::PicBM_Click);
    connect(PicEng, &QToolButton::clicked, this, &frmUtama::PicEng_Click);

    // Client area of 15135 x 9525 twips when the window opens.
    const QSize clientSize(Screen::twipsToPixels(15135, 0), Screen::twipsToPixels(9525, 1));
    resize(clientSize.width(), clientSize.height() + bar->sizeHint().height());

    ActivationTracker::instance().track(this, [this] { Form_Activate(); });
}

frmUtama::~frmUtama() = default;

void frmUtama::placeFlag(QToolButton* flag, double leftTwips, double topTwips)
{
    flag->move(Screen::twipsToPixels(leftTwips, 0), Screen::twipsToPixels(topTwips, 1));
}

void frmUtama::Form_Activate()
{
    m_varbahasa = (langflag.has_value() && *langflag) ? QStringLiteral("bm") : QStringLiteral("eng");
    setWindowTitle(QStringLiteral(" Lumaro 1.1"));
    const auto caption = [this](const MenuCaption& c) { return pick(m_varbahasa, c.bm, c.eng); };
    mnu_addtext->setText(caption(kAddtext));
    mnu_txtwatermark->setText(caption(kTxtWatermark));
    mnu_logowatermark->setText(caption(kLogoWatermark));
    mnu_rotate->setText(caption(kRotate));
    mnu_gif->setText(caption(kGif));
    mnu_ren->setText(caption(kRen));
    mnu_about->setText(caption(kAbout));
    mnu_help->setTitle(caption(kHelp));
    mnu_man->setText(caption(kMan));
    mnu_contact->setText(caption(kContact));
    mnu_exit->setText(caption(kExit));
}

void frmUtama::Form_Resize()
{
    if (paintWindowBackground(*m_client, QStringLiteral("main2i.jpg"), isMinimized())) {
        const double top = m_client->heightTwips() - 430;
        placeFlag(PicBM, Screen::pixelsToTwips(PicBM->x(), 0), top);
        placeFlag(PicEng, Screen::pixelsToTwips(PicEng->x(), 0), top);
    }
}

// Each flag selects its own language.
void frmUtama::PicBM_Click()
{
    langflag = true;
    Form_Activate();
}

void frmUtama::PicEng_Click()
{
    langflag = false;
    Form_Activate();
}

void frmUtama::openWindow(WindowId id)
{
    setEnabled(false);
    if (m_opener)
        m_opener->open(id);
}

void frmUtama::setMainEnabled(bool enabled) { setEnabled(enabled); }

void frmUtama::repaintMain()
{
    m_client->refresh();
    update();
}

void frmUtama::activateMain()
{
    raise();
    activateWindow();
    ActivationTracker::instance().activated(this);
}

void frmUtama::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        activateWindow();
        ActivationTracker::instance().activated(this);
    }
}

void frmUtama::mnu_man_Click()
{
    // The shell's answer is not looked at: a missing document or viewer shows nothing.
    Services::shell().open(QStringLiteral("open"),
                           LumaroHome::path(pick(m_varbahasa, "LM-Malay.html", "LM-English.html")));
}

void frmUtama::mnu_contact_Click()
{
    Services::dialogs().notice(this, QStringLiteral("Lumaro"),
                               pick(m_varbahasa, "Sila hubungi kami untuk sebarang pertanyaan.",
                                    "Please do no hesitate to contact us.")
                                   + QLatin1Char('\n') + QStringLiteral(LUMARO_CONTACT_ADDRESS));
}

void frmUtama::mnu_exit_Click() { endProgram(); }

void frmUtama::endProgram()
{
    close(); // closeEvent does the work, as for the close box
}

void frmUtama::closeEvent(QCloseEvent* event)
{
    if (!isEnabled()) {
        event->ignore(); // another window of the program is open
        return;
    }
    // End of the program: the other windows first, then this one; no question.
    if (m_opener)
        m_opener->closeAll();
    event->accept();
    if (m_ender)
        m_ender();
}

void frmUtama::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmUtama::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}
