#include "FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace krevol {
namespace {

fs::path toFsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

FileResult fromError(const std::error_code &error)
{
    if (!error)
        return {};
    return {false, error.value() != 0 ? error.value() : EIO};
}

} // namespace

int lastSystemErrorCode(const QString &path)
{
    if (errno != 0)
        return errno;
    if (!path.isEmpty() && !QFileInfo::exists(path))
        return ENOENT;
    return EACCES;
}

bool fileExists(const QString &path)
{
    std::error_code error;
    return fs::is_regular_file(toFsPath(path), error);
}

bool directoryExists(const QString &path)
{
    std::error_code error;
    return fs::is_directory(toFsPath(path), error);
}

FileResult copyFile(const QString &source, const QString &target, bool replace)
{
    std::error_code error;
    const fs::path from = toFsPath(source);
    const fs::path to = toFsPath(target);
    if (!fs::is_regular_file(from, error))
        return {false, error ? error.value() : ENOENT};
    if (fs::exists(to, error) && !replace)
        return {false, EEXIST};
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    return fromError(error);
}

FileResult copyFileAtomically(const QString &source, const QString &target)
{
    QFile in(source);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return {false, lastSystemErrorCode(source)};
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        return {false, lastSystemErrorCode(target)};
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            const int code = lastSystemErrorCode(source);
            out.cancelWriting();
            return {false, code};
        }
        if (out.write(chunk) != chunk.size()) {
            const int code = lastSystemErrorCode(target);
            out.cancelWriting();
            return {false, code};
        }
    }
    errno = 0;
    if (!out.commit())
        return {false, lastSystemErrorCode(target)};
    return {};
}

FileResult renameFile(const QString &source, const QString &target)
{
    std::error_code error;
    fs::rename(toFsPath(source), toFsPath(target), error);
    return fromError(error);
}

FileResult removeFile(const QString &path)
{
    std::error_code error;
    const bool removed = fs::remove(toFsPath(path), error);
    if (error)
        return fromError(error);
    if (!removed)
        return {false, ENOENT};
    return {};
}

FileResult makeDirectory(const QString &path)
{
    std::error_code error;
    fs::create_directory(toFsPath(path), error);
    return fromError(error);
}

FileResult clearReadOnly(const QString &path)
{
    std::error_code error;
    const fs::path file = toFsPath(path);
    if (!fs::exists(file, error))
        return {false, ENOENT};
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, error);
    return fromError(error);
}

} // namespace krevol
