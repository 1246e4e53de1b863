#include "CommonDialog.h"

#include "Dialogs.h"
#include "NameFilter.h"
#include "Services.h"

void CommonDialog::ShowOpen(QWidget* owner)
{
    const QString chosen =
        Services::dialogs().openFile(owner, DialogTitle, toQtNameFilters(Filter), FileName);
    if (!chosen.isEmpty())
        FileName = chosen;
}

void CommonDialog::ShowFont(QWidget* owner)
{
    FontChoice font{FontName, FontSize, FontBold, FontItalic};
    if (!Services::dialogs().chooseFont(owner, font))
        return;
    FontName = font.name;
    FontSize = float(font.size);
    FontBold = font.bold;
    FontItalic = font.italic;
}
