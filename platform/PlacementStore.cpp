#include "platform/PlacementStore.h"

#include "platform/ProductInfo.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// "Form/TfrPreviewForm/Width" is the key "TfrPreviewForm\Width" of the
// section "Form", as the INI settings lay it out.
std::pair<QString, QString> sectionAndKey(const QString& key) {
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0)
        return {QStringLiteral("General"), key};
    return {key.left(slash), key.mid(slash + 1).replace(u'/', u'\\')};
}

} // namespace

PlacementStore::PlacementStore()
    : PlacementStore(defaultPath()) {}

PlacementStore::PlacementStore(QString path)
    : m_path(std::move(path)) {
    try {
        m_document = ProfileDocument(SafeFile::read(m_path).value_or(QByteArray()));
    } catch (const SafeFile::Error& error) {
        m_readable = false;
        qWarning("%s: window placements not read from %s: %s", ProductInfo::kTitle,
                 qPrintable(m_path), error.what());
    }
}

QString PlacementStore::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QLatin1String(ProductInfo::kSettingsOrganisation) + u'/' +
                  QLatin1String(ProductInfo::kSettingsApplication) + QStringLiteral(".conf"));
}

std::optional<QString> PlacementStore::value(const QString& key) const {
    const auto [section, name] = sectionAndKey(key);
    return m_document.value(section, name);
}

int PlacementStore::intValue(const QString& key, int defaultValue) const {
    bool ok = false;
    const int number = value(key).value_or(QString()).trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

bool PlacementStore::boolValue(const QString& key, bool defaultValue) const {
    const QString text = value(key).value_or(QString()).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return defaultValue;
}

QSize PlacementStore::sizeValue(const QString& key, const QSize& defaultValue) const {
    static const QRegularExpression form(QStringLiteral("^@Size\\((\\d{1,6}) (\\d{1,6})\\)$"));
    const auto match = form.match(value(key).value_or(QString()).trimmed());
    if (!match.hasMatch())
        return defaultValue;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

void PlacementStore::setValue(const QString& key, const QString& text) {
    const auto [section, name] = sectionAndKey(key);
    m_document.setValue(section, name, text);
}

void PlacementStore::setValue(const QString& key, int number) {
    setValue(key, QString::number(number));
}

void PlacementStore::setValue(const QString& key, bool on) {
    setValue(key, on ? QStringLiteral("true") : QStringLiteral("false"));
}

void PlacementStore::setValue(const QString& key, const QSize& size) {
    setValue(key, QStringLiteral("@Size(%1 %2)").arg(size.width()).arg(size.height()));
}

bool PlacementStore::save() {
    if (!m_readable)
        return false; // what is there was never read, so it is not replaced
    try {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        SafeFile::replace(m_path, m_document.toBytes());
        return true;
    } catch (const SafeFile::Error& error) {
        qWarning("%s: window placements not saved to %s: %s", ProductInfo::kTitle,
                 qPrintable(m_path), error.what());
        return false;
    }
}
