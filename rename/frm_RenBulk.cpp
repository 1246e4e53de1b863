#include "frm_RenBulk.h"

#include "BrowseForFolder.h"
#include "BusyPointer.h"
#include "Dialogs.h"
#include "DoEvents.h"
#include "FileExists.h"
#include "FileOps.h"
#include "HostPath.h"
#include "KeyFilters.h"
#include "NewFileName.h"
#include "PictureSurface.h"
#include "Screen.h"
#include "Services.h"
#include "WindowBackground.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr double kClientWidth = 14340; // twips, at design
constexpr double kClientHeight = 8910;
constexpr double kListTop = 2520;
constexpr double kListWidth = 6375;
constexpr double kListHeight = 6075;
// Below this much of the client area the lists follow the window's height.
constexpr double kListHeightMargin = 2800;

constexpr double kLabelWidth = 3000;
constexpr double kLabelHeight = 240;
constexpr double kBoxHeight = 315;

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(Screen::twipsToPixels(left, 0), Screen::twipsToPixels(top, 1),
        Screen::twipsToPixels(width, 0), Screen::twipsToPixels(height, 1));
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QListWidget* makeList(QWidget* parent, const char* name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

frm_RenBulk::frm_RenBulk(MainWindowFace& main, QWidget* parent)
    : ChildWindow(main, parent)
{
    setObjectName(QStringLiteral("frm_RenBulk"));
    setWindowTitle(QStringLiteral(" Renaming File in Bulk"));
    QWidget* area = &client();

    Label1_2 = makeLabel(area, "Label1_2", "Folder:");
    txtDirectory = new QLineEdit(area);
    txtDirectory->setObjectName(QStringLiteral("txtDirectory"));
    txtDirectory->setReadOnly(true);
    Label1_2->setBuddy(txtDirectory);
    cmddir = makeButton(area, "cmddir", "Dir");

    Label3 = makeLabel(area, "Label3", "Before");
    lstFiles1 = makeList(area, "lstFiles1");
    Label3->setBuddy(lstFiles1);

    Label1_0 = makeLabel(area, "Label1_0", "New Prefix Name");
    txtname = new QLineEdit(area);
    txtname->setObjectName(QStringLiteral("txtname"));
    txtname->setMaxLength(100);
    installKeyFilter(txtname, FilterFileNameKey);
    Label1_0->setBuddy(txtname);
    cmdRen = makeButton(area, "cmdRen", "Rename");
    cmdclr = makeButton(area, "cmdclr", "Clear");

    Label2 = makeLabel(area, "Label2", "After");
    lstFiles2 = makeList(area, "lstFiles2");
    Label2->setBuddy(lstFiles2);
    nameLists();

    place(Label1_2, 480, 840, kLabelWidth, kLabelHeight);
    place(txtDirectory, 480, 1080, 5445, kBoxHeight);
    place(cmddir, 6120, 1035, 735, 375);
    place(Label3, 480, kListTop - kLabelHeight, kLabelWidth, kLabelHeight);
    place(lstFiles1, 480, kListTop, kListWidth, kListHeight);
    place(Label1_0, 7440, 840, kLabelWidth, kLabelHeight);
    place(txtname, 7440, 1080, 6405, kBoxHeight);
    place(cmdRen, 8400, 1560, 2055, 495);
    place(cmdclr, 11160, 1560, 2055, 495);
    place(Label2, 7440, kListTop - kLabelHeight, kLabelWidth, kLabelHeight);
    place(lstFiles2, 7440, kListTop, kListWidth, kListHeight);

    mnu_exit = menuBar()->addAction(QStringLiteral("&Exit"));
    mnu_exit->setObjectName(QStringLiteral("mnu_exit"));

    connect(cmddir, &QPushButton::clicked, this, &frm_RenBulk::cmddir_Click);
    connect(cmdRen, &QPushButton::clicked, this, &frm_RenBulk::cmdRen_Click);
    connect(cmdclr, &QPushButton::clicked, this, &frm_RenBulk::cmdclr_Click);
    connect(mnu_exit, &QAction::triggered, this, &frm_RenBulk::mnu_exit_Click);

    resize(Screen::twipsToPixels(kClientWidth, 0),
        Screen::twipsToPixels(kClientHeight, 1) + menuBar()->sizeHint().height());
}

frm_RenBulk::~frm_RenBulk() = default;

void frm_RenBulk::Form_Activate()
{
    setWindowTitle(pick(" Menamakan Fail Secara Pukal", " Rename File in Bulk"));
    Label1_0->setText(pick("Nama Awalan Baru", "New Prefix Name"));
    Label1_2->setText(pick("Direktori", "Directory"));
    Label3->setText(pick("Sebelum", "Before"));
    Label2->setText(pick("Selepas", "After"));
    cmdRen->setText(pick("Nama Semula", "Rename"));
    cmdclr->setText(pick("Padam", "Clear"));
    mnu_exit->setText(pick("Keluar", "Exit"));
    nameLists();
    lstFiles1->hide();
    lstFiles2->hide();
}

// Screen readers take a box's name from its buddy label, but a list's only
// from its own accessible name: give each list its caption.
void frm_RenBulk::nameLists()
{
    lstFiles1->setAccessibleName(Label3->text());
    lstFiles2->setAccessibleName(Label2->text());
}

void frm_RenBulk::Form_Resize()
{
    if (!paintWindowBackground(client(), QStringLiteral("renbulk.jpg"), isMinimized()))
        return;
    // A window shorter than the margin gets empty lists, not negative ones.
    const int height
        = std::max(0, Screen::twipsToPixels(client().heightTwips() - kListHeightMargin, 1));
    lstFiles1->resize(lstFiles1->width(), height);
    lstFiles2->resize(lstFiles2->width(), height);
}

void frm_RenBulk::cmddir_Click()
{
    lstFiles1->clear();
    lstFiles2->clear();
    const QString folder = SelectFolder(this);
    if (folder.isEmpty()) {
        Services::dialogs().notice(this,
            pick("Lumaro: Direktori Tidak Sah", "Lumaro: Invalid Path"),
            pick("Sila nyatakan Direktori Sumber!", "Please specify Source Directory!"));
        txtDirectory->setFocus();
        return;
    }
    lstFiles1->show();
    txtDirectory->setText(folder);
    listTheFolder();
}

void frm_RenBulk::listTheFolder()
{
    BusyPointer busy;
    DoEvents();
    const QString shown = txtDirectory->text();
    FolderListing listing = listFolder(HostPath::withTrailingSeparator(shown));
    if (!listing.error().isEmpty()) {
        Services::dialogs().plain(this, QStringLiteral("Error"), listing.error());
        return;
    }
    while (const auto entry = listing.next()) {
        DoEvents();
        if (!entry->error.isEmpty()) {
            if (Services::dialogs().question(
                    this, QStringLiteral("Error"), entry->error + QStringLiteral("\nContinue?")))
                continue;
            return;
        }
        // The box's text and the name joined as they stand: the root gives "//name".
        lstFiles1->addItem(shown + HostPath::separator() + entry->name);
    }
}

void frm_RenBulk::cmdRen_Click()
{
    int renamed = 0;
    for (int i = 0; i < lstFiles1->count(); ++i) {
        if (i >= NewFileName::kLimit) {
            Services::dialogs().notice(this, QStringLiteral("Lumaro"),
                pick("Jumlah fail melebihi had (9999)!",
                    "The number of files exceeds the limit (9999)!"));
            break;
        }
        lstFiles2->show();
        const QString folder = HostPath::withTrailingSeparator(txtDirectory->text());
        const QString entry = lstFiles1->item(i)->text();
        const QString name = HostPath::fileName(entry);
        const QString newName = NewFileName::compose(txtname->text(), i, name);
        const QString failure = renameOne(entry, folder, name, newName);
        if (!failure.isEmpty()) {
            // The file keeps its old name; the ones before it keep their new ones.
            if (Services::dialogs().question(
                    this, QStringLiteral("Error"), failure + QStringLiteral("\nContinue?")))
                continue;
            break;
        }
        ++renamed;
        lstFiles2->addItem(folder + newName);
    }
    Services::dialogs().notice(this, QStringLiteral("Lumaro"),
        QString::number(renamed) + pick(" fail telah dinamakan semula.", " files were renamed."));
    backToStart();
}

QString frm_RenBulk::renameOne(
    const QString& entry, const QString& folder, const QString& name, const QString& newName)
{
    const QString from = folder + name;
    if (!lookUp(entry))
        return pick("Tidak dapat menamakan semula %1: fail itu tiada lagi dalam direktori",
            "Cannot rename %1: the file is no longer in the folder")
            .arg(from);
    if (!NewFileName::staysInFolder(newName))
        return pick("Tidak dapat menamakan semula %1 kepada %2: nama baru bukan nama fail yang "
                    "sah dalam direktori ini",
            "Cannot rename %1 to %2: the new name is not a file name of this folder")
            .arg(from, folder + newName);
    if (newName == name)
        return {}; // already named so: nothing to do
    return renameFile(from, folder + newName);
}

void frm_RenBulk::cmdclr_Click() { backToStart(); }

void frm_RenBulk::backToStart()
{
    lstFiles1->clear();
    lstFiles1->hide();
    lstFiles2->clear();
    lstFiles2->hide();
    txtDirectory->clear();
    txtname->clear();
}

void frm_RenBulk::mnu_exit_Click() { leave(); }

FolderListing frm_RenBulk::listFolder(const QString& folder)
{
    return FolderListing::ofFolder(folder);
}

bool frm_RenBulk::lookUp(const QString& path) { return FileExists(path); }

QString frm_RenBulk::renameFile(const QString& from, const QString& to)
{
    return FileOps::renameNoReplace(from, to);
}
