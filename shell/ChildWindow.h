#pragma once

#include <QMainWindow>

class MainWindowFace;
class PictureSurface;

// Base of every window the main window opens. It reads the language from the
// main window at the moment a text is shown, runs Form_Activate when the
// window becomes active coming from another window of the program, and gives
// the main window back when the user leaves it (Exit or the close box).
class ChildWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ChildWindow(MainWindowFace& main, QWidget* parent = nullptr);
    ~ChildWindow() override;

    // Enable and repaint the main window, hide this one.
    void leave();
    // The program is ending: the next close really closes the window.
    void unload();

    MainWindowFace& mainWindow() const { return m_main; }
    // The client area, where backgrounds are painted and controls sit.
    PictureSurface& client() const { return *m_client; }

    // Activation handler; public so the opener and tests can run it directly.
    virtual void Form_Activate() = 0;

protected:
    QString varbahasa() const;
    bool malay() const;
    QString pick(const char* bm, const char* eng) const;

    virtual void Form_Resize() {}
    // Close box. The default leaves the window, as Exit does.
    virtual void Form_QueryUnload() { leave(); }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    MainWindowFace& m_main;
    PictureSurface* m_client;
    bool m_unloading = false;
};
