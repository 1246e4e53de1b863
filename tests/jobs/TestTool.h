#pragma once

#include "CommonDialog.h"
#include "PictureJob.h"
#include "PictureSurface.h"
#include "PictureToolHost.h"

#include <QLabel>
#include <QWidget>

#include <functional>

// A picture tool whose per-picture work only loads, fits and writes, for
// driving the job engine without a real tool window.
class TestTool : public QWidget, public PictureToolHost {
public:
    explicit TestTool(const ToolProfile& profile);

    QWidget* dialogOwner() override { return this; }
    QString language() const override { return lang; }
    PictureSurface& preview() override { return *Picture1; }
    QLabel& fileLabel() override { return *lblfile; }
    QLabel& targetLabel() override { return *lbltarget; }
    CommonDialog& commonDialog() override { return dialog; }
    QString selectFolder() override;
    QString logoPath() const override { return logo; }
    void prepareLoadStep() override;
    void showFirstPicture(const QString& path) override;
    void processPicture(const QString& path, RunState& run) override;
    void clearAfterRun() override { ++clearedAfterRun; }
    void setJobCommandsEnabled(bool enabled) override;

    QString lang = QStringLiteral("eng");
    QString logo;
    PictureSurface* Picture1;
    QLabel* lblfile;
    QLabel* lbltarget;
    CommonDialog dialog;
    PictureJob job;
    QStringList processed;
    QStringList commandStates; // "off" / "on" in order
    bool commandsOn = true;
    int clearedAfterRun = 0;
    std::function<void(const QString&)> beforeWrite; // hooks to make a failure happen
    std::function<void(const QString&)> afterTemporary;
};
