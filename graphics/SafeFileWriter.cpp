#include "graphics/SafeFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TSafeFileWriter::TSafeFileWriter(std::string target) : target_(std::move(target)) {}

TSafeFileWriter::~TSafeFileWriter() { discard(); }

bool TSafeFileWriter::Open()
{
    discard();
    error_.clear();
    // The temporary file lies in the target's folder so that the final rename
    // never crosses file systems; the leading "." keeps it out of listings.
    // open() with 0666 lets the umask give the usual permissions.
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tempName_ = folder + ".vespira-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        fd = open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        tempName_.clear();
        return fail("Cannot create");
    }
    file_ = fdopen(fd, "wb");
    if (!file_) {
        close(fd);
        return fail("Cannot create");
    }
    return true;
}

bool TSafeFileWriter::Write(const void* data, std::size_t size)
{
    if (!file_)
        return false;
    if (size != 0 && std::fwrite(data, 1, size, file_) != size)
        return fail("Cannot write");
    return true;
}

bool TSafeFileWriter::Commit()
{
    if (!file_)
        return false;
    if (std::fflush(file_) != 0 || std::ferror(file_))
        return fail("Cannot write");
    keepTargetPermissions();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed)
        return fail("Cannot write");
    if (std::rename(tempName_.c_str(), target_.c_str()) != 0)
        return fail("Cannot replace");
    tempName_.clear();
    return true;
}

void TSafeFileWriter::keepTargetPermissions()
{
    // A rewritten file keeps the mode the user gave it (best effort).
    struct stat existing;
    if (stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        fchmod(fileno(file_), existing.st_mode & 07777);
}

bool TSafeFileWriter::fail(const char* what)
{
    error_ = std::string(what) + " " + target_ + ": " + std::strerror(errno);
    discard();
    return false;
}

void TSafeFileWriter::discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempName_.empty()) {
        std::remove(tempName_.c_str());
        tempName_.clear();
    }
}

std::string WriteFileSafely(const std::string& fileName, const void* data, std::size_t size)
{
    TSafeFileWriter writer(fileName);
    if (writer.Open() && writer.Write(data, size) && writer.Commit())
        return {};
    return writer.Error();
}
