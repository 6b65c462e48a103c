#include "tests/support/RuntimeFolder.h"

#include <QFile>

namespace TestSupport {

RuntimeFolder::RuntimeFolder(Temp temp) {
    if (!m_dir.isValid())
        qFatal("cannot create a private runtime folder: %s", qPrintable(m_dir.errorString()));
    QFile::setPermissions(m_dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
    if (temp == Temp::Private)
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
}

} // namespace TestSupport
