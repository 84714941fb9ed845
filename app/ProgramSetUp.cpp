#include "app/ProgramSetUp.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace ProgramSetUp {

QStringList PortugueseCatalogues(const QString& directory) {
    // Most wanted first; returned the other way round, because the toolkit
    // asks the translator installed last first.
    static const char* const names[] = {"qtbase_pt_PT", "qt_pt_PT", "qtbase_pt", "qt_pt",
                                        "qtbase_pt_BR"};
    const QDir dir(directory);
    QStringList found;
    for (const char* name : names) {
        const QString file = QString::fromLatin1(name) + QStringLiteral(".qm");
        if (dir.exists(file))
            found.prepend(dir.filePath(file));
    }
    return found;
}

int InstallPortuguese(QApplication& app) {
    QStringList files = PortugueseCatalogues(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Last, so that the toolkit asks it before any of the distribution's.
    files << QString::fromLatin1(OwnCatalogue);
    int installed = 0;
    for (const QString& file : files) {
        // Owned by the application, so the texts live as long as it does.
        auto* translator = new QTranslator(&app);
        if (translator->load(file) && QCoreApplication::installTranslator(translator))
            ++installed;
        else
            delete translator;
    }
    return installed;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quivela-%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetUp(QApplication& app) {
    // A window or message box without a title of its own shows this name.
    QCoreApplication::setApplicationName(QStringLiteral("Quivela"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
    // Every window, dialogs included, takes it unless it sets its own; a
    // window manager that does not read the desktop entry shows it too.
    QApplication::setWindowIcon(ProgramIcon());
    InstallPortuguese(app);
}

} // namespace ProgramSetUp
