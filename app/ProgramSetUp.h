#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

class QApplication;

// What the program sets on its application object before the first window
// opens: its name (the default title of message boxes), its desktop entry,
// its window icon and the toolkit's own Portuguese texts (dialog buttons,
// colour-dialog labels, the text boxes' context menu), whatever language the
// user's session is in: the program is Portuguese only.
namespace ProgramSetUp {

// The name of the desktop entry and of the software-centre entry, without
// ".desktop": a reverse domain name, as software centres require. The build
// defines it (CMakeLists.txt), with the version, QUIVELA_VERSION.
inline constexpr const char* DesktopId = QUIVELA_ID;

// The program's own European Portuguese catalogue of the toolkit's texts,
// built into it.
inline constexpr const char* OwnCatalogue = ":/translations/toolkit_pt_PT.qm";

// The toolkit's Portuguese catalogues found in directory, least wanted
// first: European Portuguese before the generic one, both before Brazilian
// Portuguese, which only fills what the others lack. Older European catalogues
// cover the dialogs but not the standard buttons of newer toolkit versions.
QStringList PortugueseCatalogues(const QString& directory);

// Installs the program's own catalogue and, under it, those catalogues of the
// toolkit's translation directory for what it does not cover; returns how
// many were installed.
int InstallPortuguese(QApplication& app);

// Quivela's icon in every size it is built in with, from the program's
// resources.
QIcon ProgramIcon();

void SetUp(QApplication& app);

} // namespace ProgramSetUp
