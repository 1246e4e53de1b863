#include "QtDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

MessageAnswer QtDialogs::message(QWidget* owner, const QString& title, const QString& text,
                                 MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QString QtDialogs::textPrompt(QWidget* owner, const QString& title, const QString& prompt,
                              const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

void QtDialogs::setUpOpenDialog(QFileDialog& dialog, const QStringList& qtFilters)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters);
}

QString QtDialogs::openFile(QWidget* owner, const QString& title, const QStringList& qtFilters,
                            const QString& initialPath)
{
    QFileDialog dialog(owner, title);
    setUpOpenDialog(dialog, qtFilters);
    if (!initialPath.isEmpty())
        dialog.selectFile(initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

bool QtDialogs::chooseFont(QWidget* owner, FontChoice& font)
{
    QFont initial(font.name);
    if (font.size > 0)
        initial.setPointSizeF(font.size);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner);
    if (!ok)
        return false;
    font.name = chosen.family();
    font.size = chosen.pointSizeF();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    return true;
}

QString QtDialogs::browseForFolder(QWidget* owner, const QString& title)
{
    const QString folder = QFileDialog::getExistingDirectory(
        owner, title, QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return {};
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}
