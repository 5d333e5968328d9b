#pragma once

#include <QByteArray>

#include <csignal>
#include <sys/resource.h>

// Sets an environment variable (or removes it, for a null value) for the
// lifetime of the object and restores what was there.
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, value);
    }
    ~ScopedEnvironmentVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

// While it lives, no file of this process can grow beyond a few bytes: writes
// fail as they would on a full disk (even for root, unlike permissions).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes = 8)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};
