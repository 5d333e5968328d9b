#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Writes a file through a temporary file beside it, so that readers never see
// a half-written file: the target is replaced only by Commit, and a writer
// that is destroyed without a successful Commit removes its temporary file and
// leaves the target as it was.
class TSafeFileWriter
{
public:
    explicit TSafeFileWriter(std::string target);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    // Creates the temporary file; false with Error() set when that failed.
    bool Open();
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and renames the temporary file over the target.
    bool Commit();

    const std::string& Target() const { return target_; }
    // One line saying what failed, naming the target.
    const std::string& Error() const { return error_; }

private:
    bool fail(const char* what);
    void keepTargetPermissions();
    void discard();

    std::string target_;
    std::string tempName_;
    std::FILE* file_ = nullptr;
    std::string error_;
};

// Writes the whole file in one go through TSafeFileWriter; "" on success,
// else the error line.
std::string WriteFileSafely(const std::string& fileName, const void* data, std::size_t size);
