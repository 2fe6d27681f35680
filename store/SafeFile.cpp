#include "store/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

namespace {

QString ToQt(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

bool CSafeFile::Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // QSaveFile writes beside the target, syncs on commit and renames; it
    // never falls back to writing the target in place.
    QSaveFile file(ToQt(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CSafeFile::Copy(const std::string& source, const std::string& target) {
    std::vector<std::uint8_t> bytes;
    return Read(source, bytes) && Write(target, bytes);
}

bool CSafeFile::Read(const std::string& path, std::vector<std::uint8_t>& bytes) {
    QFile file(ToQt(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    bytes.assign(data.begin(), data.end());
    return true;
}

bool CSafeFile::Rename(const std::string& path, const std::string& newPath) {
    return QFile::rename(ToQt(path), ToQt(newPath));
}

bool CSafeFile::Exists(const std::string& path) {
    return QFileInfo::exists(ToQt(path));
}

std::string CSafeFile::FreeName(const std::string& path, const std::string& suffix) {
    std::string name = path + suffix;
    for (int n = 2; Exists(name); ++n)
        name = path + suffix + "-" + std::to_string(n);
    return name;
}
