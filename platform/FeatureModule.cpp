#include "platform/FeatureModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibrary>

namespace FeatureModule {
namespace {

QHash<QByteArray, Entry>& provided() {
    static QHash<QByteArray, Entry> entries;
    return entries;
}

} // namespace

void provide(const char* symbol, Entry entry) {
    provided().insert(symbol, entry);
}

Entry find(const QString& module, const char* symbol, QString* error) {
    if (const Entry entry = provided().value(symbol))
        return entry;
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(module + QStringLiteral(".so"));
    // The module stays loaded for the rest of the session: its objects and
    // code live as long as the window that uses them.
    QLibrary library(path);
    library.setLoadHints(QLibrary::PreventUnloadHint | QLibrary::ResolveAllSymbolsHint);
    const auto entry = reinterpret_cast<Entry>(library.resolve(symbol));
    if (entry) {
        provided().insert(symbol, entry);
    } else if (error) {
        *error = library.errorString();
    }
    return entry;
}

} // namespace FeatureModule
