#include "savetarget.h"

#include "filekind.h"

#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vrh {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows in one path before giving up.
constexpr int kMaxLinks = 40;

SaveTarget refuse(const QString& reason) {
    return SaveTarget{{}, reason};
}

QString reasonOf(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

// Whether the user may write the existing file, as a write in place would be allowed.
std::optional<QString> writeRefusal(const fs::path& file) {
#ifdef Q_OS_UNIX
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
        return qt_error_string(errno);
    }
#else
    if (!QFileInfo(fromFileSystemPath(file)).isWritable()) {
        return qt_error_string(EACCES);
    }
#endif
    return std::nullopt;
}

} // namespace

SaveTarget resolveSaveTarget(const QString& path) {
    std::error_code error;
    fs::path file = fs::absolute(toFileSystemPath(path), error);
    if (error) {
        return refuse(reasonOf(error));
    }

    // Follow the links by hand: the last one may dangle, and then names the file to create.
    fs::file_status status = fs::symlink_status(file, error);
    for (int links = 0; fs::is_symlink(status); ++links) {
        if (links == kMaxLinks) {
            return refuse(qt_error_string(ELOOP));
        }
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            return refuse(reasonOf(error));
        }
        // A relative target counts from the link's folder; '/' keeps an absolute one as it is.
        file = file.parent_path() / target;
        status = fs::symlink_status(file, error);
    }
    if (error && status.type() != fs::file_type::not_found) {
        return refuse(reasonOf(error));
    }

    // The folder with its links resolved, so ".." in a link's target means what it means to
    // the system; the temporary file and the rename then go to that same folder.
    const fs::path folder = fs::canonical(file.parent_path(), error);
    if (error) {
        return refuse(reasonOf(error));
    }
    file = folder / file.filename();

    if (status.type() == fs::file_type::not_found) {
        return SaveTarget{file, std::nullopt};
    }
    if (const std::optional<QString> reason = notARegularFileReason(status.type())) {
        return refuse(*reason);
    }
    if (const std::optional<QString> reason = writeRefusal(file)) {
        return refuse(*reason);
    }
    return SaveTarget{file, std::nullopt};
}

} // namespace vrh
