#include "app/OutputModule.h"

#include "app/BuildSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace parsella {

QString outputModuleFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("parsella_output.dll");
#else
    return QStringLiteral("parsella_output.so");
#endif
}

QStringList outputModuleFolders(const QString &programFolder)
{
    const QDir program(programFolder);
    QStringList folders{program.path(), QDir::cleanPath(program.filePath(QString::fromUtf8(build::modulesFromProgram)))};
    folders.removeDuplicates();
    return folders;
}

OutputModule *loadOutputModule(const QStringList &folders, QString *problem)
{
    QString failure;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(outputModuleFileName());
        if (!QFileInfo(path).isFile())
            continue;
        auto loader = std::make_unique<QPluginLoader>(path);
        if (auto *module = qobject_cast<OutputModule *>(loader->instance())) {
            // Kept loaded for the rest of the run (the printers and pictures it makes live in
            // its code); the loader goes with the application, the library stays.
            loader.release()->setParent(QCoreApplication::instance());
            return module;
        }
        // A file of the name that is not the module, or one of another build: the next folder
        // may still hold the right one.
        if (failure.isEmpty()) {
            // Loaded, yet no OutputModule inside: a plugin, but not this version's module.
            const QString why = loader->isLoaded() ? QCoreApplication::translate("OutputModule", "it is not this version's module")
                                                   : loader->errorString();
            failure = QCoreApplication::translate("OutputModule",
                                                  "the module for printing and SVG pictures, %1, could not be loaded (%2). "
                                                  "Installing Parsella again puts it right.")
                          .arg(QDir::toNativeSeparators(path), why);
        }
        if (loader->isLoaded())
            loader->unload();
    }
    if (problem)
        *problem = !failure.isEmpty() ? failure
                                      : QCoreApplication::translate("OutputModule",
                                                                    "the module for printing and SVG pictures, %1, is missing. "
                                                                    "Installing Parsella again puts it back.")
                                            .arg(outputModuleFileName());
    return nullptr;
}

OutputModule *outputModule(QString *problem)
{
    static OutputModule *loaded = nullptr;
    // A failure is not kept: the learner may put the file back and try again.
    if (!loaded)
        loaded = loadOutputModule(outputModuleFolders(QCoreApplication::applicationDirPath()) + QCoreApplication::libraryPaths(),
                                  problem);
    return loaded;
}

} // namespace parsella
