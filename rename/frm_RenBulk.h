#pragma once

#include "ChildWindow.h"
#include "FolderListing.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Rename window: lists the plain files of a folder ("Before") and gives
// each one the name prefix + "-" + its four-digit position + its extension
// ("After"). A rename never replaces a file that is already there.
class frm_RenBulk : public ChildWindow {
    Q_OBJECT

public:
    explicit frm_RenBulk(MainWindowFace& main, QWidget* parent = nullptr);
    ~frm_RenBulk() override;

    // Handlers.
    void Form_Activate() override;
    void Form_Resize() override;
    void cmddir_Click();
    void cmdRen_Click();
    void cmdclr_Click();
    void mnu_exit_Click();

    // Controls.
    QLabel* Label1_0; // caption of the prefix box
    QLabel* Label1_2; // caption of the folder box
    QLabel* Label2; // After
    QLabel* Label3; // Before
    QLineEdit* txtDirectory;
    QPushButton* cmddir;
    QListWidget* lstFiles1;
    QLineEdit* txtname;
    QPushButton* cmdRen;
    QPushButton* cmdclr;
    QListWidget* lstFiles2;
    QAction* mnu_exit;

protected:
    // The file system as this window meets it; tests replace these to compose
    // paths for folders they must not touch, such as the root.
    virtual FolderListing listFolder(const QString& folder);
    virtual bool lookUp(const QString& path); // a plain file of that path is there
    virtual QString renameFile(const QString& from, const QString& to); // failure text or ""

private:
    void nameLists();
    void listTheFolder();
    // Renames one file; the failure's description, or "" when it has its new name.
    QString renameOne(
        const QString& entry, const QString& folder, const QString& name, const QString& newName);
    void backToStart();
};
