#include "frm_Addtext.h"

#include "Dialogs.h"
#include "DoEvents.h"
#include "FitPictureToPreview.h"
#include "NumberText.h"
#include "OutputWriter.h"
#include "PictureSurface.h"
#include "RunState.h"
#include "Screen.h"
#include "Services.h"
#include "StdPicture.h"
#include "ToolProfile.h"
#include "WindowBackground.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Colour {
    const char* name;
    const char* bm;
    const char* eng;
    uint32_t value; // 0x00BBGGRR
};

constexpr Colour kColours[] = {
    {"mnu_black", "Hitam", "Black", 0x000000},   {"mnu_blue", "Biru", "Blue", 0xFF0000},
    {"mnu_red", "Merah", "Red", 0x0000FF},       {"mnu_yellow", "Kuning", "Yellow", 0x00FFFF},
    {"mnu_green", "Hijau", "Green", 0x00FF00},   {"mnu_magenta", "Magenta", "Magenta", 0xFF00FF},
    {"mnu_cyan", "Cyan", "Cyan", 0xFFFF00},      {"mnu_white", "Putih", "White", 0xFFFFFF},
};

QAction* namedAction(QAction* action, const char* name)
{
    action->setObjectName(QLatin1String(name));
    return action;
}

QLabel* makeLabel(QWidget* parent, const char* name, double topTwips)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    label->setFont(font);
    label->setGeometry(Screen::twipsToPixels(4680, 0), Screen::twipsToPixels(topTwips, 1),
                       Screen::twipsToPixels(11655, 0), Screen::twipsToPixels(375, 1));
    return label;
}

} // namespace

frm_Addtext::frm_Addtext(MainWindowFace& main)
    : PictureToolWindow(main, ToolProfiles::insertText())
{
    setObjectName(QStringLiteral("frm_Addtext"));
    QMenuBar* bar = menuBar();
    mnu_files = bar->addMenu(QStringLiteral("&File Selection"));
    mnu_files->setObjectName(QStringLiteral("mnu_files"));
    mnu_single = namedAction(mnu_files->addAction(QStringLiteral("&Single")), "mnu_single");
    mnu_bulk = namedAction(mnu_files->addAction(QStringLiteral("&Bulk")), "mnu_bulk");
    mnu_folder = namedAction(bar->addAction(QStringLiteral("&Target Directory")), "mnu_folder");
    mnu_font = bar->addMenu(QStringLiteral("Font"));
    mnu_font->setObjectName(QStringLiteral("mnu_font"));
    mnu_fontstyle = namedAction(mnu_font->addAction(QStringLiteral("St&yle")), "mnu_fontstyle");
    mnu_fontcolor = mnu_font->addMenu(QStringLiteral("Color"));
    mnu_fontcolor->setObjectName(QStringLiteral("mnu_fontcolor"));
    for (int i = 0; i < int(std::size(kColours)); ++i) {
        QAction* colour = namedAction(mnu_fontcolor->addAction(QLatin1String(kColours[i].eng)),
                                      kColours[i].name);
        connect(colour, &QAction::triggered, this, [this, i] { mnu_colour_Click(i); });
        mnu_colours << colour;
    }
    mnu_load = namedAction(bar->addAction(QStringLiteral("&Load Picture")), "mnu_load");
    mnu_addtext = namedAction(bar->addAction(QStringLiteral("T&ext to be Added")), "mnu_addtext");
    mnu_sav = namedAction(bar->addAction(QStringLiteral("&Save")), "mnu_sav");
    mnu_exit = namedAction(bar->addAction(QStringLiteral("&Exit")), "mnu_exit");

    connect(mnu_single, &QAction::triggered, this, &frm_Addtext::mnu_single_Click);
    connect(mnu_bulk, &QAction::triggered, this, &frm_Addtext::mnu_bulk_Click);
    connect(mnu_folder, &QAction::triggered, this, &frm_Addtext::mnu_folder_Click);
    connect(mnu_fontstyle, &QAction::triggered, this, &frm_Addtext::mnu_fontstyle_Click);
    connect(mnu_load, &QAction::triggered, this, &frm_Addtext::mnu_load_Click);
    connect(mnu_addtext, &QAction::triggered, this, &frm_Addtext::mnu_addtext_Click);
    connect(mnu_sav, &QAction::triggered, this, &frm_Addtext::mnu_sav_Click);
    connect(mnu_exit, &QAction::triggered, this, &frm_Addtext::mnu_exit_Click);
    for (QAction* command : {mnu_single, mnu_bulk, mnu_folder, mnu_load, mnu_sav})
        addJobCommand(command);

    lblfont = makeLabel(&client(), "lblfont", 1440);
    lblfile = makeLabel(&client(), "lblfile", 1920);
    lbltarget = makeLabel(&client(), "lbltarget", 2400);

    // Created after the labels, so the shown preview covers them.
    Picture1 = new PictureSurface(QStringLiteral("Picture1"), &client());
    Picture1->setAutoRedraw(false);
    Picture1->setForeColor(PictureSurface::fromQColor(palette().color(QPalette::WindowText)));
    Picture1->hide();
    connect(Picture1, &PictureSurface::mouseMoved, this, &frm_Addtext::Picture1_MouseMove);
    connect(Picture1, &PictureSurface::clicked, this, &frm_Addtext::Picture1_Click);
    connect(&client(), &PictureSurface::mouseMoved, this, &frm_Addtext::Form_MouseMove);

    setWindowTitle(QStringLiteral(" Insert Text On Picture"));
    resize(1024, 700);
    setWindowState(Qt::WindowMaximized);
}

QString frm_Addtext::caption() const
{
    return pick(" Masukkan Teks Di Gambar", " Insert Text On Picture");
}

void frm_Addtext::Form_Activate()
{
    setWindowTitle(caption());
    mnu_files->setTitle(pick("Pilihan Fail", "File Selection"));
    mnu_single->setText(pick("Satu Fail", "Single"));
    mnu_bulk->setText(pick("Pukal", "Bulk"));
    mnu_folder->setText(pick("Direktori Sasaran", "Target Directory"));
    mnu_fontstyle->setText(pick("Stail", "Style"));
    mnu_fontcolor->setTitle(pick("Warna", "Color"));
    for (int i = 0; i < mnu_colours.size(); ++i)
        mnu_colours[i]->setText(pick(kColours[i].bm, kColours[i].eng));
    mnu_load->setText(pick("Muat Gambar", "Load Picture"));
    mnu_addtext->setText(pick("Masukkan Teks", "Text to be Added"));
    mnu_sav->setText(pick("Simpan Fail", "Save"));
    mnu_exit->setText(pick("Keluar", "Exit"));

    Picture1->hide();
    CommonDialog1.FontName = QStringLiteral("Times New Roman");
    CommonDialog1.Color = 0;
    CommonDialog1.FontSize = 12;
    colourName = pick(kColours[0].bm, kColours[0].eng);
    showFontLabel();
    lblfile->clear();
    lbltarget->clear();
}

void frm_Addtext::showFontLabel()
{
    lblfont->setText(QStringLiteral("Font : ") + CommonDialog1.FontName + pick(" / Saiz : ", " / Size : ")
                     + NumberText::shortest(CommonDialog1.FontSize) + pick(" / Warna : ", " / Color : ")
                     + colourName);
}

void frm_Addtext::mnu_addtext_Click()
{
    text = Services::dialogs().textPrompt(this, QStringLiteral("Lumaro"),
                                          pick("Teks yang ingin dimasukkan : ", "Text to be Added : "),
                                          QString());
}

void frm_Addtext::mnu_fontstyle_Click()
{
    CommonDialog1.ShowFont(this);
    showFontLabel();
}

void frm_Addtext::mnu_colour_Click(int index)
{
    CommonDialog1.Color = kColours[index].value;
    colourName = pick(kColours[index].bm, kColours[index].eng);
    showFontLabel();
}

void frm_Addtext::Picture1_MouseMove(double x, double y)
{
    pointerX = x;
    pointerY = y;
    setWindowTitle(pick(" Posisi Tetikus (X, Y): ", " Mouse Position (X, Y): ")
                   + NumberText::signedField(x) + QStringLiteral(", ") + NumberText::signedField(y));
}

void frm_Addtext::Form_MouseMove() { setWindowTitle(caption()); }

void frm_Addtext::Picture1_Click()
{
    if (!previewClicksEnabled())
        return; // a run is about to save what the preview holds
    clickX = pointerX;
    clickY = pointerY;
    Picture1->setAutoRedraw(true);
    Picture1->setFontName(CommonDialog1.FontName);
    Picture1->setFontSize(CommonDialog1.FontSize);
    Picture1->setFontBold(CommonDialog1.FontBold);
    Picture1->setForeColor(CommonDialog1.Color);
    Picture1->setFontItalic(CommonDialog1.FontItalic);
    Picture1->setFontTransparent(true);
    Picture1->currentX = clickX;
    Picture1->currentY = clickY;
    Picture1->print(text);
}

void frm_Addtext::mnu_sav_Click()
{
    mnu_exit->setEnabled(false);
    job().RunPictureJob();
    mnu_exit->setEnabled(true);
}

void frm_Addtext::fillPreviewToClientArea()
{
    Picture1->setScaleMode(PictureSurface::ScaleMode::Twips);
    Picture1->setGeometry(0, 0, client().width(), client().height());
    Picture1->show();
}

void frm_Addtext::prepareLoadStep()
{
    // Persistent, so the fitted picture becomes the preview's own.
    Picture1->setAutoRedraw(true);
    fillPreviewToClientArea();
}

void frm_Addtext::showFirstPicture(const QString& path)
{
    FitPictureToPreview(*Picture1, LoadPicture(path, Picture1->size()));
}

void frm_Addtext::processPicture(const QString& path, RunState& run)
{
    Picture1->setAutoRedraw(true);
    fillPreviewToClientArea();
    FitPictureToPreview(*Picture1, LoadPicture(path, Picture1->size()));
    Picture1->currentX = clickX;
    Picture1->currentY = clickY;
    Picture1->print(text);
    DoEvents();

    const QString target = job().settings.targetFolder;
    run.temporaryOutputPath = OutputWriter::SaveTemporary(Picture1->image(), job().profile(), target,
                                                          run.baseName);
    const QString finalPath =
        OutputWriter::finalPath(job().profile(), target, run.baseName, run.extension);
    OutputWriter::ReencodeOutput(run.temporaryOutputPath, finalPath, run.extension);
    Picture1->clearPicture();
    Picture1->setPicture(LoadPicture(finalPath).image);
    lblfont->clear();
    lblfile->clear();
    lbltarget->clear();
}

void frm_Addtext::Form_Resize() { paintWindowBackground(client(), QStringLiteral("bg.jpg"), isMinimized()); }
