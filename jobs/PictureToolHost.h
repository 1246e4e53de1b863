#pragma once

#include <QString>

class CommonDialog;
class PictureSurface;
class QLabel;
class QWidget;
struct RunState;

// What the job engine needs from a picture tool window. The window keeps its
// own per-picture work; the engine keeps the listing, the loop, the failure
// prompts and the report.
class PictureToolHost {
public:
    virtual ~PictureToolHost() = default;

    virtual QWidget* dialogOwner() = 0;
    virtual QString language() const = 0;
    virtual PictureSurface& preview() = 0;
    virtual QLabel& fileLabel() = 0;
    virtual QLabel& targetLabel() = 0;
    virtual CommonDialog& commonDialog() = 0;
    // The shell's folder chooser; the empty text when cancelled.
    virtual QString selectFolder() = 0;
    // The logo file, for the tool that checks one.
    virtual QString logoPath() const { return {}; }

    // Load Picture: get the preview ready (shown, sized to its box).
    virtual void prepareLoadStep() = 0;
    // Load Picture: show the first accepted picture fitted in the preview.
    virtual void showFirstPicture(const QString& path) = 0;
    // The run: the tool's work on one accepted picture, written through the
    // output writer. Throws RuntimeError on failure.
    virtual void processPicture(const QString& path, RunState& run) = 0;
    // End of a run: what the tool empties besides the source paths.
    virtual void clearAfterRun() {}
    // While a step lets the event loop run, the commands that change the job
    // or start another step are off.
    virtual void setJobCommandsEnabled(bool enabled) = 0;
    // A source or target choice: labels the tool shows at that moment.
    virtual void afterSourceChoice(bool /*single*/) {}
    virtual void afterTargetChoice() {}
};
