// A temporary folder for one test, removed afterwards, with small file helpers.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

class TestDir {
public:
    std::string Path(const std::string& name = std::string()) const {
        return m_dir.path().toStdString() + "/" + name;
    }
    void Write(const std::string& name, const std::string& content) const {
        QFile f(QString::fromStdString(Path(name)));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content.data(), static_cast<qint64>(content.size()));
    }
    std::string Read(const std::string& name) const {
        QFile f(QString::fromStdString(Path(name)));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().toStdString();
    }
    bool Exists(const std::string& name) const { return QFile::exists(QString::fromStdString(Path(name))); }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files); }

private:
    QTemporaryDir m_dir;
};
