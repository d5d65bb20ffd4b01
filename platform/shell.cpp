#include "platform/shell.h"

#include "platform/windowfinder.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {
// Runs a short helper command and returns its trimmed output; empty when it cannot run.
QString runQuiet(const QString& program, const QStringList& args) {
    if (QStandardPaths::findExecutable(program).isEmpty()) return {};
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

bool startOpener(const QString& target) {
    for (const QString& opener : {QStringLiteral("xdg-open"), QStringLiteral("gio")}) {
        const QString exe = QStandardPaths::findExecutable(opener);
        if (exe.isEmpty()) continue;
        QStringList args;
        if (opener == QLatin1String("gio")) args << QStringLiteral("open");
        args << target;
        return QProcess::startDetached(exe, args);
    }
    return false;
}

class SystemShell final : public IShell {
public:
    bool Open(const std::string& target) override { return startOpener(QString::fromUtf8(target)); }

    bool Explore(const std::string& folder) override { return startOpener(QString::fromUtf8(folder)); }

    bool HasAssociatedProgram(const std::string& file) override {
        const QString path = QString::fromUtf8(file);
        const QString mime = QMimeDatabase().mimeTypeForFile(path).name();
        if (mime.isEmpty()) return false;
        return !runQuiet(QStringLiteral("xdg-mime"),
                         {QStringLiteral("query"), QStringLiteral("default"), mime})
                    .isEmpty();
    }

    bool StartFile(const std::string& file) override {
        const QString path = QString::fromUtf8(file);
        if (!QFileInfo(path).isFile()) return false;
        if (QFileInfo(path).isExecutable()) return QProcess::startDetached(path, {});
        return startOpener(path);
    }

    bool FindWindowByTitle(const std::string& title) override { return FindTopLevelWindowByTitle(title); }
};

std::unique_ptr<IShell>& slot() {
    static std::unique_ptr<IShell> shell;
    return shell;
}
} // namespace

namespace Shell {
IShell& Service() {
    if (!slot()) slot() = MakeSystemShell();
    return *slot();
}

std::unique_ptr<IShell> Install(std::unique_ptr<IShell> shell) {
    auto old = std::move(slot());
    slot() = std::move(shell);
    return old;
}
} // namespace Shell

std::unique_ptr<IShell> MakeSystemShell() {
    return std::make_unique<SystemShell>();
}
