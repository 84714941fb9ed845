#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// What the program sets on its application object before the first window
// opens: its name (the default title of message boxes), its desktop entry and
// the toolkit's own Portuguese texts (dialog buttons, colour-dialog labels,
// the text boxes' context menu), whatever language the user's session is in:
// the program is Portuguese only.
namespace ProgramSetUp {

// The toolkit's Portuguese catalogues found in directory, least wanted
// first: European Portuguese before the generic one, both before Brazilian
// Portuguese, which only fills what the others lack. Older European catalogues
// cover the dialogs but not the standard buttons of newer toolkit versions.
QStringList PortugueseCatalogues(const QString& directory);

// Installs those catalogues of the toolkit's translation directory on the
// application; returns how many were installed.
int InstallPortuguese(QApplication& app);

void SetUp(QApplication& app);

} // namespace ProgramSetUp
