#pragma once

#include "PictureToolWindow.h"

#include <cstdint>

class PictureSurface;
class QAction;
class QLabel;
class QMenu;

// Insert Text on Picture: prints one line of text, in a chosen font and one
// of eight colours, at a clicked position on one picture or every picture of
// a folder, and writes each as "adt-" + its name into the target folder.
class frm_Addtext : public PictureToolWindow {
    Q_OBJECT

public:
    explicit frm_Addtext(MainWindowFace& main);

    // Handlers.
    void Form_Activate() override;
    void mnu_single_Click() { job().chooseSingleFile(); }
    void mnu_bulk_Click() { job().chooseBulkFolder(); }
    void mnu_folder_Click() { job().chooseTargetFolder(); }
    void mnu_load_Click() { job().LoadPreviewPicture(); }
    void mnu_addtext_Click();
    void mnu_fontstyle_Click();
    void mnu_colour_Click(int index);
    void mnu_sav_Click();
    void mnu_exit_Click() { leave(); }
    void Picture1_MouseMove(double x, double y);
    void Picture1_Click();
    void Form_MouseMove();

    // PictureToolHost
    PictureSurface& preview() override { return *Picture1; }
    QLabel& fileLabel() override { return *lblfile; }
    QLabel& targetLabel() override { return *lbltarget; }
    void prepareLoadStep() override;
    void showFirstPicture(const QString& path) override;
    void processPicture(const QString& path, RunState& run) override;
    void clearAfterRun() override { text.clear(); }

    // Controls.
    QMenu* mnu_files;
    QAction* mnu_single;
    QAction* mnu_bulk;
    QAction* mnu_folder;
    QMenu* mnu_font;
    QAction* mnu_fontstyle;
    QMenu* mnu_fontcolor;
    QList<QAction*> mnu_colours; // black, blue, red, yellow, green, magenta, cyan, white
    QAction* mnu_load;
    QAction* mnu_addtext;
    QAction* mnu_sav;
    QAction* mnu_exit;
    PictureSurface* Picture1;
    QLabel* lblfont;
    QLabel* lblfile;
    QLabel* lbltarget;

    // State.
    QString text;
    QString colourName;
    double pointerX = 0, pointerY = 0; // twips
    double clickX = 0, clickY = 0; // twips, relative to the preview

protected:
    void Form_Resize() override;

private:
    QString caption() const;
    void showFontLabel();
    void fillPreviewToClientArea();
};
