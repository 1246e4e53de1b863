#pragma once

#include "ChildWindow.h"
#include "Registry.h"

class QLabel;
class QPushButton;

// The About window: program title, rights and terms notices, the program
// icon, and a button that starts the system information program.
class frmAbout : public ChildWindow {
    Q_OBJECT

public:
    explicit frmAbout(MainWindowFace& main, QWidget* parent = nullptr);

    void Form_Activate() override;

    // Finds the system information program through the registry and starts it.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal; false (and KeyVal empty)
    // when the key or the value cannot be read.
    bool GetKeyValue(
        Registry::Key KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void sysInfoUnavailable();
};
