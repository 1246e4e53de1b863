#pragma once

#include "MainWindowFace.h"
#include "WindowOpener.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class PictureSurface;
class QAction;
class QMenu;
class QToolButton;

// The main window: language switch, the menu that opens every other window,
// and the end of the program.
class frmUtama : public QMainWindow, public MainWindowFace {
    Q_OBJECT

public:
    explicit frmUtama(QWidget* parent = nullptr);
    ~frmUtama() override;

    void setOpener(WindowOpener* opener) { m_opener = opener; }
    // Called once the program has closed all its windows.
    void setEnder(std::function<void()> ender) { m_ender = std::move(ender); }

    // MainWindowFace
    QString varbahasa() const override { return m_varbahasa; }
    void setMainEnabled(bool enabled) override;
    void repaintMain() override;
    void activateMain() override;

    std::optional<bool> langflag;

    // Handlers.
    void Form_Activate();
    void Form_Resize();
    void PicBM_Click();
    void PicEng_Click();
    void mnu_exit_Click();
    void mnu_man_Click();
    void mnu_contact_Click();

    // Controls.
    QAction* mnu_addtext;
    QAction* mnu_txtwatermark;
    QAction* mnu_logowatermark;
    QAction* mnu_rotate;
    QAction* mnu_gif;
    QAction* mnu_ren;
    QAction* mnu_about;
    QMenu* mnu_help;
    QAction* mnu_man;
    QAction* mnu_contact;
    QAction* mnu_exit;
    QToolButton* PicBM;
    QToolButton* PicEng;
    PictureSurface& client() const { return *m_client; }

    // Design geometry of the flag pictures, twips.
    static constexpr double kFlagTopTwips = 9095;
    static constexpr double kPicBMLeftTwips = 165;
    static constexpr double kPicEngLeftTwips = 885;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void openWindow(WindowId id);
    void endProgram();
    void placeFlag(QToolButton* flag, double leftTwips, double topTwips);

    QString m_varbahasa = QStringLiteral("eng");
    PictureSurface* m_client;
    WindowOpener* m_opener = nullptr;
    std::function<void()> m_ender;
};
