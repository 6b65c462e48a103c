#pragma once

#include <QTemporaryDir>

namespace TestSupport {

// A private runtime folder (XDG_RUNTIME_DIR, and TMPDIR too when asked) for
// as long as the object lives, so the single-instance lock and socket of a
// test process are its own and no real copy of the program interferes. The
// folder is readable by its owner only, as the runtime folder must be.
class RuntimeFolder {
public:
    enum class Temp { Shared, Private };

    explicit RuntimeFolder(Temp temp = Temp::Shared);
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace TestSupport
